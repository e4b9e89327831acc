#include "lan/core/DeviceRecord.h"

#include "tests/lan/LanBytes.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<std::vector<int>> parts) {
    std::vector<std::uint8_t> bytes;
    for (const auto& part : parts) {
        for (int value : part) {
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
    }
    return bytes;
}

TEST(DeviceRecordTest, FieldsAreReadBigEndianAtTheirOffsets) {
    const DeviceRecord record = *DecodeDeviceRecord(Bytes({test::SampleRecordBytes()}));
    EXPECT_EQ(record.mac, (MacAddress{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
    EXPECT_EQ(record.ip, 0xC0A80032u);
    EXPECT_EQ(record.port, 9100);
    EXPECT_EQ(record.baudCode, 0xFF);
    EXPECT_EQ(record.fwMinor, 13);
    EXPECT_EQ(record.inactivity, 300);
    EXPECT_EQ(record.https, 1);
}

// A record cut short would go back to the printer with zeros for the values it lacks.
TEST(DeviceRecordTest, ARecordCutShortIsNoRecordAndExtraBytesAreIgnored) {
    auto cut = Bytes({test::SampleRecordBytes()});
    cut.pop_back();
    EXPECT_EQ(DecodeDeviceRecord(cut), std::nullopt);
    EXPECT_EQ(DecodeDeviceRecord(Bytes({{0x77}})), std::nullopt);
    EXPECT_EQ(DecodeWlanDeviceRecord(Bytes({test::SampleRecordBytes(), {25}})), std::nullopt);

    const auto longer = DecodeDeviceRecord(Bytes({test::SampleRecordBytes(), {0x19, 0x00}}));
    EXPECT_EQ(longer, DecodeDeviceRecord(Bytes({test::SampleRecordBytes()})));
    const auto wlan = DecodeWlanDeviceRecord(Bytes({test::SampleRecordBytes(), {25, 0xA5, 0x19}}));
    ASSERT_NE(wlan, std::nullopt);
    EXPECT_EQ(wlan->featureCode, 25);
    EXPECT_EQ(wlan->reserved, 0xA5);
}

TEST(DeviceRecordTest, EncodingGivesBackEveryByteReceived) {
    const auto ethernet = Bytes({test::SampleRecordBytes()});
    const auto encoded = EncodeDeviceRecord(*DecodeDeviceRecord(ethernet));
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), ethernet);

    const auto wlan = Bytes({test::SampleRecordBytes(), {31, 0xA5}});
    const auto wlanEncoded = EncodeWlanDeviceRecord(*DecodeWlanDeviceRecord(wlan));
    EXPECT_EQ(std::vector<std::uint8_t>(wlanEncoded.begin(), wlanEncoded.end()), wlan);
}

}  // namespace
}  // namespace lanvane
