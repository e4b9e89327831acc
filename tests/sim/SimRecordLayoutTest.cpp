#include "sim/SimRecordLayout.h"

#include <gtest/gtest.h>

#include <string>

#include "WireText.h"
#include "sim/PrinterState.h"

namespace lanvane::sim {
namespace {

using test::Hex;
using test::Joined;
using test::Text;

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t length) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + length));
}

TEST(SimRecordLayout, PlacesLayout1FieldsAtTheirOffsets) {
    PrinterRecord record = DefaultPrinterState(1).record;
    record.printerPort = 9100;
    record.inactivityTime = 3600;
    record.ipAddress = 0xC0A80064;
    record.userId = "root";
    const Bytes bytes = SimRecordLayout::Encode(record);
    ASSERT_EQ(bytes.size(), 603u);
    EXPECT_EQ(Slice(bytes, 0, 11), Joined({Text("VT-Printer"), Hex("00")}));
    EXPECT_EQ(Slice(bytes, 67, 4), Hex("C0 A8 00 64"));
    EXPECT_EQ(Slice(bytes, 347, 5), Joined({Text("root"), Hex("00")}));
    EXPECT_EQ(Slice(bytes, 411, 2), Hex("23 8C"));
    EXPECT_EQ(Slice(bytes, 601, 2), Hex("0E 10"));
    EXPECT_EQ(bytes[64], 0);
    EXPECT_EQ(Slice(bytes, 139, 78), Bytes(78, 0));
}

TEST(SimRecordLayout, Layout2InsertsTheWifiDirectFields) {
    PrinterRecord record = DefaultPrinterState(2).record;
    record.p2pConnMode = 2;
    record.p2pPinCode = "123456789";
    record.p2pChannel = "11";
    record.userId = "root";
    record.inactivityTime = 3600;
    const Bytes bytes = SimRecordLayout::Encode(record);
    ASSERT_EQ(bytes.size(), 616u);
    EXPECT_EQ(bytes[347], 2);
    EXPECT_EQ(Slice(bytes, 348, 9), Text("123456789"));
    EXPECT_EQ(Slice(bytes, 357, 3), Joined({Text("11"), Hex("00")}));
    EXPECT_EQ(Slice(bytes, 360, 4), Text("root"));
    EXPECT_EQ(Slice(bytes, 614, 2), Hex("0E 10"));
}

TEST(SimRecordLayout, RoundTripsBothLayouts) {
    for (const int layout : {1, 2}) {
        const PrinterRecord record = DefaultPrinterState(layout).record;
        const Bytes bytes = SimRecordLayout::Encode(record);
        EXPECT_EQ(SimRecordLayout::Decode(bytes.data(), layout), record) << "layout " << layout;
    }
}

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
