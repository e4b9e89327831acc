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

}  // namespace
}  // namespace lanvane
