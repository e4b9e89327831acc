#include "protocol/AddressText.h"
#include "lan/core/DeviceRowTexts.h"

#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

TEST(DeviceTextsTest, FirmwareIsNotAvailableOnlyAtZeroZero) {
    DeviceRecord record;
    EXPECT_EQ(FirmwareCell(record, EnglishStringTable()), "N/A");
    record.fwMinor = 5;
    EXPECT_EQ(FirmwareCell(record, EnglishStringTable()), "0.5");
    record.fwMinor = 0;
    record.fwMajor = 10;
    EXPECT_EQ(FirmwareCell(record, EnglishStringTable()), "10.0");
}

TEST(DeviceTextsTest, AddressesParseOnlyWhenWellFormed) {
    EXPECT_EQ(ParseDottedAddress("192.168.0.50"), 0xC0A80032u);
    EXPECT_EQ(ParseDottedAddress("0.0.0.0"), 0u);
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.4 ", "a.b.c.d", "1..2.3", "-1.2.3.4",
                            "1.2.3.0004"}) {
        EXPECT_EQ(ParseDottedAddress(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(DottedAddress(0xFFFFFF00u), "255.255.255.0");
}

TEST(DeviceTextsTest, MacAddressesParseInEitherCaseAndSeparator) {
    const MacAddress expected{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    EXPECT_EQ(ParseMacText("00:1a:2b:3c:4d:5e"), expected);
    EXPECT_EQ(ParseMacText("00-1A-2B-3C-4D-5E"), expected);
    for (const char* bad : {"", "00:1a:2b:3c:4d", "00:1a:2b:3c:4d:5e:6f", "0:1a:2b:3c:4d:5e", "00:1a:2b:3c:4d:5g",
                            "001a2b3c4d5e"}) {
        EXPECT_EQ(ParseMacText(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(MacText(expected), "00:1a:2b:3c:4d:5e");
}

}  // namespace
}  // namespace lanvane
