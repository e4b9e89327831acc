#include "protocol/BssTable.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

TEST(SecurityText, NamesTheSixFlagsInBitOrder) {
    EXPECT_EQ(SecurityText(0x00), "No");
    EXPECT_EQ(SecurityText(0x40), "No");
    EXPECT_EQ(SecurityText(0xC0), "No");
    EXPECT_EQ(SecurityText(0x0C), "WPA/WPA2");
    EXPECT_EQ(SecurityText(0x21), "WEP64/RSN2");
    EXPECT_EQ(SecurityText(0x3F), "WEP64/WEP128/WPA/WPA2/RSN1/RSN2");
    EXPECT_EQ(SecurityText(0x92), "WEP128/RSN1");
}

TEST(BssRowTexts, GivesTheSixCells) {
    BssEntry entry;
    entry.ssid = "100%d %s";
    entry.bssid = {0x0A, 0xBC, 0x00, 0xFF, 0x12, 0x9E};
    entry.mode = 2;
    entry.rssi = -60;
    entry.security = 0x21;

    EXPECT_EQ(BssRowTexts(entry, 41),
              (BssRow{"42", "100%d %s", "0A-BC-00-FF-12-9E", "Ad hoc", "-60", "WEP64/RSN2"}));
    entry.mode = 0;
    entry.rssi = 5;
    entry.ssid.clear();
    EXPECT_EQ(BssRowTexts(entry, 0),
              (BssRow{"1", "", "0A-BC-00-FF-12-9E", "Infrastructure", "5", "WEP64/RSN2"}));
}

TEST(FillBssList, StopsAtTheFirstEntryWithoutBssid) {
    BssTable table{};
    table[0].bssid = {0, 0, 0, 0, 0, 1};
    table[1].bssid = {2, 0, 0, 0, 0, 0};
    table[3].bssid = {3, 0, 0, 0, 0, 0};

    const auto rows = FillBssList(table);

    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1][0], "2");
    EXPECT_EQ(rows[1][2], "02-00-00-00-00-00");
}

TEST(FillBssList, ShowsAFullTableOfHundredRows) {
    BssTable table{};
    for (auto& entry : table) {
        entry.bssid[5] = 1;
    }
    const auto rows = FillBssList(table);
    ASSERT_EQ(rows.size(), 100U);
    EXPECT_EQ(rows.back()[0], "100");
}

}  // namespace
}  // namespace lanvane
