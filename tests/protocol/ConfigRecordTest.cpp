#include <gtest/gtest.h>

#include <string>

#include "TestFrames.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {
namespace {

using test::TagFrame;

// Texts reach their full width where the field allows it, to show nothing spills over.
InterfaceConfig Distinctive(int version) {
    InterfaceConfig c;
    c.version = version;
    c.printerName = std::string(64, 'N');
    c.networkMode = 2;
    c.dhcp = 1;
    c.ipAddress = 0xC0A80102;
    c.subnetMask = 0xFFFFFF00;
    c.gateway = 0x0A000001;
    c.ssid = "ssid-of-thirty-two-characters-AZ";
    c.authentication = 3;
    c.cryptograph = 5;
    c.wepKey = "0123456789abcdef0123456789";
    c.pskKey = "psk";
    c.adhocChannel = 200;
    c.eapMode = 4;
    c.authId = "auth-id";
    c.authPassword = std::string(32, 'P');
    if (version == 2) {
        c.p2pConnMode = 7;
        c.p2pPinCode = "123456789";
        c.p2pChannel = "11";
    }
    c.userId = std::string(32, 'U');
    c.userPassword = "user-pass";
    c.printerPort = 9100;
    c.https = 1;
    c.telnet = 0x21;
    c.ftp = 0x31;
    c.snmp = 0x41;
    c.setCommunity = "private";
    c.getCommunity = "public";
    c.trapCommunity = "trap";
    c.trapIpAddress = 0xAC10FE01;
    c.inactivityTime = 3600;
    return c;
}

// The record exactly, after checking that the encoder wrote nothing past it.
std::vector<std::uint8_t> Encode(const InterfaceConfig& config) {
    const std::size_t size = RecordSize(config.version);
    std::vector<std::uint8_t> record(size + 16, 0xEE);
    EncodeConfigRecord(config, record);
    EXPECT_TRUE(std::all_of(record.begin() + static_cast<std::ptrdiff_t>(size), record.end(),
                            [](std::uint8_t b) { return b == 0xEE; }))
        << "written past the record";
    record.resize(size);
    return record;
}

std::vector<std::uint8_t> Text(std::string_view text, std::size_t width) {
    std::vector<std::uint8_t> field(width, 0);
    std::copy_n(text.begin(), std::min(text.size(), width), field.begin());
    return field;
}

struct Placement {
    std::size_t offsetV1;
    std::size_t offsetV2;
    std::vector<std::uint8_t> bytes;
};

constexpr std::size_t kNone = SIZE_MAX;

// Where the record layout puts each field of Distinctive(), written out independently.
std::vector<Placement> DocumentedPlacements(const InterfaceConfig& c) {
    return {
        {0, 0, Text(c.printerName, 64)},
        {65, 65, {0x02, 0x01, 192, 168, 1, 2, 255, 255, 255, 0, 10, 0, 0, 1}},
        {79, 79, Text(c.ssid, 32)},
        {111, 111, {0x03, 0x05}},
        {113, 113, Text(c.wepKey, 26)},
        {217, 217, Text(c.pskKey, 64)},
        {281, 281, {200, 0x04}},
        {283, 283, Text(c.authId, 32)},
        {315, 315, Text(c.authPassword, 32)},
        {kNone, 347, {0x07}},
        {kNone, 348, Text("123456789", 9)},
        {kNone, 357, {'1', '1', 0}},
        {347, 360, Text(c.userId, 32)},
        {379, 392, Text(c.userPassword, 32)},
        {411, 424, {0x23, 0x8C}},
        {544, 557, {0x01, 0x21, 0x31, 0x41}},
        {549, 562, Text(c.setCommunity, 16)},
        {565, 578, Text(c.getCommunity, 16)},
        {581, 594, Text(c.trapCommunity, 16)},
        {597, 610, {172, 16, 254, 1}},
        {601, 614, {0x0E, 0x10}},
    };
}

class RecordLayout : public ::testing::TestWithParam<int> {};

TEST_P(RecordLayout, EveryFieldLiesAtItsOffsetAllElseIsZeroAndItDecodesBack) {
    const int version = GetParam();
    const InterfaceConfig config = Distinctive(version);
    const std::vector<std::uint8_t> record = Encode(config);
    std::vector<std::uint8_t> expected(RecordSize(version), 0);
    for (const Placement& placement : DocumentedPlacements(config)) {
        const std::size_t offset = version == 1 ? placement.offsetV1 : placement.offsetV2;
        if (offset != kNone) {
            std::copy(placement.bytes.begin(), placement.bytes.end(), expected.data() + offset);
        }
    }
    EXPECT_EQ(record, expected);
    EXPECT_EQ(DecodeRecordBytes(record, version), config);
}

TEST_P(RecordLayout, TextLongerThanItsFieldIsCutAndTheNextFieldStaysIntact) {
    InterfaceConfig config = Distinctive(GetParam());
    config.ssid = std::string(32, 'S') + "spill";
    config.p2pPinCode = "1234567890123";
    config.trapCommunity = std::string(40, 'T');
    const InterfaceConfig decoded = DecodeRecordBytes(Encode(config), GetParam());
    EXPECT_EQ(decoded.ssid, std::string(32, 'S'));
    EXPECT_EQ(decoded.authentication, 3);
    EXPECT_EQ(decoded.cryptograph, 5);
    EXPECT_EQ(decoded.trapCommunity, std::string(16, 'T'));
    EXPECT_EQ(decoded.trapIpAddress, 0xAC10FE01u);
    if (GetParam() == 2) {
        EXPECT_EQ(decoded.p2pPinCode, "123456789");
        EXPECT_EQ(decoded.p2pChannel, "11");
    }
}

TEST_P(RecordLayout, GoldenReplyDecodesAndEncodesBackToTheSameFrame) {
    const std::vector<std::uint8_t> reply =
        test::ReadGolden("if_cur_v" + std::to_string(GetParam()) + ".link");
    ASSERT_EQ(RecordVersionForReply(reply.size()), GetParam());
    std::vector<std::uint8_t> frame(kMessageBufferSize);
    frame.resize(DecodeLinkMessage(reply, frame));
    InterfaceConfig config;
    ASSERT_TRUE(DecodeConfigRecord(frame, GetParam(), config));
    EXPECT_EQ(config.printerName, "Golden Printer");
    EXPECT_EQ(config.p2pPinCode, GetParam() == 2 ? "12345670" : "");
    EXPECT_EQ(config.inactivityTime, 3600);
    EXPECT_EQ(TagFrame(tag::kIfCur, Encode(config)), frame);
}

std::string VersionName(const ::testing::TestParamInfo<int>& version) {
    return "V" + std::to_string(version.param);
}

INSTANTIATE_TEST_SUITE_P(Versions, RecordLayout, ::testing::Values(1, 2), VersionName);

TEST(RecordLayout, VersionOneCarriesNoWifiDirectFields) {
    InterfaceConfig config = Distinctive(1);
    config.p2pConnMode = 7;
    config.p2pPinCode = "12345678";
    config.p2pChannel = "6";
    const InterfaceConfig decoded = DecodeRecordBytes(Encode(config), 1);
    EXPECT_EQ(decoded, Distinctive(1));
}

TEST(RecordLayout, TextIsTakenUpToItsFirstZeroByte) {
    std::vector<std::uint8_t> record = Encode(Distinctive(1));
    record[79 + 4] = 0;
    EXPECT_EQ(DecodeRecordBytes(record, 1).ssid, "ssid");
}

TEST(RecordVersion, ReplyLongerThanAVersionOneReplyCarriesVersionTwo) {
    EXPECT_EQ(RecordVersionForReply(44), 1);
    EXPECT_EQ(RecordVersionForReply(1253), 2);
}

TEST(DecodeConfigRecord, RefusesAFaultyFrameAndLeavesTheConfigAlone) {
    const std::vector<std::uint8_t> good = TagFrame(tag::kIfCur, Encode(Distinctive(1)));
    std::vector<std::uint8_t> badChecksum = good;
    badChecksum[200] ^= 0x10;
    const std::vector<std::uint8_t> wrongTag =
        TagFrame(tag::kIfSuc, std::vector<std::uint8_t>(603));

    InterfaceConfig config = Distinctive(2);
    EXPECT_FALSE(DecodeConfigRecord(badChecksum, 1, config));
    EXPECT_FALSE(DecodeConfigRecord(wrongTag, 1, config));
    EXPECT_FALSE(DecodeConfigRecord(std::span(good).first(10), 1, config));
    EXPECT_FALSE(DecodeConfigRecord(good, 3, config));
    EXPECT_EQ(config, Distinctive(2));
}

}  // namespace
}  // namespace lanvane
