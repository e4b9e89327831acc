#include <gtest/gtest.h>

#include "TestFrames.h"
#include "protocol/Identification.h"

namespace lanvane {
namespace {

using test::TagFrame;

std::vector<std::uint8_t> IdentificationPayload(std::string_view firmware, std::string_view date,
                                                std::array<std::uint8_t, 6> mac) {
    std::vector<std::uint8_t> payload(kIdentificationDataSize, 0);
    std::copy(firmware.begin(), firmware.end(), payload.begin());
    std::copy(date.begin(), date.end(), payload.begin() + 16);
    std::copy(mac.begin(), mac.end(), payload.begin() + 48);
    return payload;
}

// A SYS_RSP frame of 72 bytes whose last byte is zero, so that its first 71 bytes check
// to 0 as well.
std::vector<std::uint8_t> SystemResponseOf72BytesEndingInZero() {
    std::vector<std::uint8_t> payload = IdentificationPayload("V1", "D", {});
    payload.resize(kSystemResponseMinFrame - kTagLength - 2);
    for (int value = 0; value < 256; ++value) {
        payload.back() = static_cast<std::uint8_t>(value);
        std::vector<std::uint8_t> frame = TagFrame(tag::kSysRsp, payload);
        if (frame.back() == 0) {
            return frame;
        }
    }
    return {};
}

// A reply longer than the identification data is accepted; texts fill their fields.
TEST(CheckSystemResponse, TakesFirmwareDateAndMacAfterTheTag) {
    std::vector<std::uint8_t> payload = IdentificationPayload(
        "FW 1.2.3-build9X", "2024-01-31 10:00", {0x00, 0x1B, 0xA9, 0xC0, 0xFE, 0x0A});
    payload.resize(80, 0x33);
    const std::vector<std::uint8_t> frame = TagFrame(tag::kSysRsp, payload);
    IdentificationData data;
    ASSERT_TRUE(CheckSystemResponse(frame, data));
    EXPECT_EQ(data.firmwareVersion, "FW 1.2.3-build9X");
    EXPECT_EQ(data.updateDate, "2024-01-31 10:00");
    EXPECT_EQ(MacText(data.mac), "00-1B-A9-C0-FE-0A");
}

TEST(CheckSystemResponse, NeedsAtLeast72Bytes) {
    std::vector<std::uint8_t> frame = SystemResponseOf72BytesEndingInZero();
    ASSERT_EQ(frame.size(), 72u);
    IdentificationData data;
    EXPECT_TRUE(CheckSystemResponse(frame, data));
    EXPECT_EQ(data.firmwareVersion, "V1");

    frame.pop_back();
    ASSERT_EQ(Checksum16(frame), 0);
    data.firmwareVersion = "stale";
    EXPECT_FALSE(CheckSystemResponse(frame, data));
    EXPECT_EQ(data.firmwareVersion, "");
}

}  // namespace
}  // namespace lanvane
