#include <gtest/gtest.h>

#include "sim/LanPrinterResponder.h"
#include "tests/lan/LanBytes.h"

namespace lanvane::sim {
namespace {

using lanvane::test::Datagram;
using lanvane::test::Padded;

LanPrinterSettings EthernetPrinter() { return DefaultLanPrinter(LanKind::Ethernet, 1); }

TEST(LanPrinterResponderTest, SetDatagramsForOthersOrCutShortAreIgnored) {
    LanPrinterResponder printer(EthernetPrinter());
    Bytes otherMac = Datagram("SETT", {0x00, 0x1A, 0x2B, 0xE0, 0x00, 0x02});
    otherMac.resize(30, 1);
    EXPECT_TRUE(printer.Answer(otherMac).empty());
    Bytes shortOne = Datagram("SETT", {0x00, 0x1A, 0x2B, 0xE0, 0x00, 0x01});
    shortOne.resize(29, 1);
    EXPECT_TRUE(printer.Answer(shortOne).empty());
    EXPECT_EQ(printer.SettingsTaken(), 0);
    EXPECT_EQ(printer.Settings(), EthernetPrinter());
}

TEST(LanPrinterResponderTest, WlanPrinterConfirmsWithSetResponseOrSetc) {
    LanPrinterResponder printer(DefaultLanPrinter(LanKind::Wlan, 1));
    const Bytes set = Padded(Datagram("__[I_F]__[PRT_SET]", {0x00, 0x1A, 0x2B, 0xB0, 0x00, 0x01, 10, 0, 0, 9}), 47);
    auto confirmation = printer.Answer(set);
    ASSERT_EQ(confirmation.size(), 1u);
    EXPECT_EQ(confirmation[0].bytes, Padded(Datagram("__[I_F]__[SET_RSP]"), 19));

    printer.SetFaults(LanFaultPlan{.confirmWithSetc = true});
    confirmation = printer.Answer(set);
    ASSERT_EQ(confirmation.size(), 1u);
    EXPECT_EQ(confirmation[0].bytes, Padded(Datagram("SETC"), 19));
    EXPECT_EQ(printer.Settings().featureCode, 31) << "the feature code is the printer's own";
}

TEST(LanPrinterResponderTest, SilentToSearchesAnswersNoSearch) {
    LanPrinterResponder printer(EthernetPrinter(), LanFaultPlan{.silentToSearch = true});
    EXPECT_TRUE(printer.Answer(Datagram("FIND")).empty());
}

}  // namespace
}  // namespace lanvane::sim
