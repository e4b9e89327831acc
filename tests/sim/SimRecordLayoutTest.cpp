#include "sim/SimRecordLayout.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/PrinterState.h"

namespace lanvane::sim {
namespace {

TEST(SimRecordLayout, FullWidthTextsHaveNoTerminatorAndLongTextsAreCut) {
    PrinterRecord record = DefaultPrinterState(1).record;
    record.ssid = std::string(32, 'S');
    record.setCommunity = std::string(20, 'C');
    const Bytes bytes = SimRecordLayout::Encode(record);
    EXPECT_EQ(bytes[111], record.authentication);
    EXPECT_EQ(bytes[565], 'p');  // getCommunity "public" right after the cut text
    const PrinterRecord decoded = SimRecordLayout::Decode(bytes.data(), 1);
    EXPECT_EQ(decoded.ssid, std::string(32, 'S'));
    EXPECT_EQ(decoded.setCommunity, std::string(16, 'C'));
}

TEST(SimRecordLayout, LayoutFollowsThePayloadSize) {
    EXPECT_EQ(SimRecordLayout::LayoutForPayload(603), 1);
    EXPECT_EQ(SimRecordLayout::LayoutForPayload(604), 1);
    EXPECT_EQ(SimRecordLayout::LayoutForPayload(616), 2);
    EXPECT_EQ(SimRecordLayout::LayoutForPayload(602), std::nullopt);
    EXPECT_EQ(SimRecordLayout::LayoutForPayload(636), std::nullopt);
}

}  // namespace
}  // namespace lanvane::sim
