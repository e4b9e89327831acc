#include <gtest/gtest.h>

#include <string_view>

#include "sim/LanPrinterResponder.h"

namespace lanvane::sim {
namespace {

using std::chrono::milliseconds;

Bytes Text(std::string_view text, std::initializer_list<int> tail = {}) {
    Bytes bytes(text.begin(), text.end());
    for (int value : tail) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

LanPrinterSettings EthernetPrinter() { return DefaultLanPrinter(LanKind::Ethernet, 1); }

TEST(LanPrinterResponderTest, SetDatagramsForOthersOrCutShortAreIgnored) {
    LanPrinterResponder printer(EthernetPrinter());
    Bytes otherMac = Text("SETT", {0x00, 0x1A, 0x2B, 0xE0, 0x00, 0x02});
    otherMac.resize(30, 1);
    EXPECT_TRUE(printer.Answer(otherMac).empty());
    Bytes shortOne = Text("SETT", {0x00, 0x1A, 0x2B, 0xE0, 0x00, 0x01});
    shortOne.resize(29, 1);
    EXPECT_TRUE(printer.Answer(shortOne).empty());
    EXPECT_EQ(printer.SettingsTaken(), 0);
    EXPECT_EQ(printer.Settings(), EthernetPrinter());
}

TEST(LanPrinterResponderTest, WlanPrinterConfirmsWithSetResponseOrSetc) {
    LanPrinterResponder printer(DefaultLanPrinter(LanKind::Wlan, 1));
    Bytes set = Text("__[I_F]__[PRT_SET]", {0x00, 0x1A, 0x2B, 0xB0, 0x00, 0x01, 10, 0, 0, 9});
    set.resize(47, 0);
    auto confirmation = printer.Answer(set);
    ASSERT_EQ(confirmation.size(), 1u);
    Bytes expected = Text("__[I_F]__[SET_RSP]");
    expected.resize(19, 0);
    EXPECT_EQ(confirmation[0].bytes, expected);

    printer.SetFaults(LanFaultPlan{.confirmWithSetc = true});
    confirmation = printer.Answer(set);
    ASSERT_EQ(confirmation.size(), 1u);
    expected = Text("SETC");
    expected.resize(19, 0);
    EXPECT_EQ(confirmation[0].bytes, expected);
    EXPECT_EQ(printer.Settings().featureCode, 31) << "the feature code is the printer's own";
}

TEST(LanPrinterResponderTest, FaultsDelayRepeatShortenOrWithholdReplies) {
    LanPrinterResponder printer(EthernetPrinter(),
                                LanFaultPlan{.replyDelay = milliseconds(40), .repeat = 3, .shortenTo = 5});
    const auto replies = printer.Answer(Text("FIND"));
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[0].delay, milliseconds(40));
    EXPECT_EQ(replies[1].delay, milliseconds(0));
    EXPECT_EQ(replies[2].bytes, Text("IMIN", {0x00}));

    printer.SetFaults(LanFaultPlan{.silentToSearch = true, .silentToSetting = true});
    EXPECT_TRUE(printer.Answer(Text("FIND")).empty());
    Bytes set = Text("SETT", {0x00, 0x1A, 0x2B, 0xE0, 0x00, 0x01, 10, 0, 0, 9});
    set.resize(30, 0);
    EXPECT_TRUE(printer.Answer(set).empty());
    EXPECT_EQ(printer.SettingsTaken(), 1) << "a withheld confirmation still takes the settings";
    EXPECT_EQ(printer.Settings().ip, 0x0A000009u);
}

}  // namespace
}  // namespace lanvane::sim
