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

LanPrinterSettings EthernetPrinter() {
    LanPrinterSettings settings;
    settings.mac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    settings.ip = 0xC0A80032u;
    settings.subnet = 0xFFFFFF00u;
    settings.gateway = 0xC0A80001u;
    settings.port = 9100;
    settings.baudCode = 0xF4;
    settings.fwMajor = 1;
    settings.fwMinor = 7;
    settings.inactivity = 300;
    settings.https = true;
    return settings;
}

LanPrinterSettings WlanPrinter() {
    LanPrinterSettings settings = EthernetPrinter();
    settings.kind = LanKind::Wlan;
    settings.featureCode = 25;
    settings.reserved = 0x5A;
    return settings;
}

TEST(LanPrinterResponderTest, SetDatagramsForOthersOrCutShortAreIgnored) {
    LanPrinterResponder printer(EthernetPrinter());
    Bytes otherMac = Text("SETT", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F});
    otherMac.resize(30, 1);
    EXPECT_TRUE(printer.Answer(otherMac).empty());
    Bytes shortOne = Text("SETT", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E});
    shortOne.resize(29, 1);
    EXPECT_TRUE(printer.Answer(shortOne).empty());
    EXPECT_EQ(printer.SettingsTaken(), 0);
    EXPECT_EQ(printer.Settings(), EthernetPrinter());
}

TEST(LanPrinterResponderTest, WlanPrinterConfirmsWithSetResponseOrSetc) {
    LanPrinterResponder printer(WlanPrinter());
    Bytes set = Text("__[I_F]__[PRT_SET]", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 10, 0, 0, 9});
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
    EXPECT_EQ(printer.Settings().featureCode, 25) << "the feature code is the printer's own";
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
    Bytes set = Text("SETT", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 10, 0, 0, 9});
    set.resize(30, 0);
    EXPECT_TRUE(printer.Answer(set).empty());
    EXPECT_EQ(printer.SettingsTaken(), 1) << "a withheld confirmation still takes the settings";
    EXPECT_EQ(printer.Settings().ip, 0x0A000009u);
}

}  // namespace
}  // namespace lanvane::sim
