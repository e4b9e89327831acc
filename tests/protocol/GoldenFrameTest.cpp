#include <gtest/gtest.h>

#include "GoldenFiles.h"
#include "TestFrames.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {
namespace {

using test::ReadGolden;

std::vector<std::uint8_t> DecodeReply(const std::vector<std::uint8_t>& message) {
    std::vector<std::uint8_t> frame(kMessageBufferSize);
    frame.resize(DecodeLinkMessage(message.data(), message.size(), frame.data(), frame.size()));
    return frame;
}

// The values make_golden.py puts in its records.
InterfaceConfig GoldenConfig(int version) {
    InterfaceConfig c;
    c.version = version;
    c.printerName = "Golden Printer";
    c.ipAddress = 0xC0A80AC8;
    c.subnetMask = 0xFFFFFF00;
    c.gateway = 0xC0A80A01;
    c.ssid = "GoldenNet-5G";
    c.authentication = 3;
    c.cryptograph = 4;
    c.pskKey = "correct horse battery staple";
    c.adhocChannel = 11;
    c.eapMode = 5;
    c.authId = "radius-user";
    c.authPassword = "radius-secret";
    if (version == 2) {
        c.p2pConnMode = 1;
        c.p2pPinCode = "12345670";
        c.p2pChannel = "6";
    }
    c.userId = "admin";
    c.userPassword = "s3cr3t";
    c.printerPort = 9100;
    c.https = 1;
    c.ftp = 1;
    c.snmp = 1;
    c.setCommunity = "private";
    c.getCommunity = "public";
    c.trapCommunity = "traps";
    c.trapIpAddress = 0xC0A80A05;
    c.inactivityTime = 3600;
    return c;
}

TEST(GoldenFrames, SysReqIsWhatWeSend) {
    EXPECT_EQ(test::LinkMessage(test::TagFrame(tag::kSysReq)), ReadGolden("sys_req.link"));
}

TEST(GoldenFrames, SysRspInPlainHexGivesTheIdentification) {
    const std::vector<std::uint8_t> frame = DecodeReply(ReadGolden("sys_rsp.link"));
    IdentificationData data;
    ASSERT_TRUE(CheckSystemResponse(frame.data(), frame.size(), data));
    EXPECT_EQ(data.firmwareVersion, "VX-2.14.0");
    EXPECT_EQ(data.updateDate, "2023-11-07 14:22:05");
    EXPECT_EQ(data.MacText(), "00-1B-A9-C0-FE-0A");
}

class GoldenRecord : public ::testing::TestWithParam<int> {
protected:
    std::vector<std::uint8_t> Reply() const {
        return ReadGolden("if_cur_v" + std::to_string(GetParam()) + ".link");
    }
};

TEST_P(GoldenRecord, ReplySizeDecidesTheVersionAndTheRecordDecodes) {
    const std::vector<std::uint8_t> reply = Reply();
    ASSERT_EQ(RecordVersionForReply(reply.size()), GetParam());
    const std::vector<std::uint8_t> frame = DecodeReply(reply);
    InterfaceConfig config;
    ASSERT_TRUE(DecodeConfigRecord(frame.data(), frame.size(), GetParam(), config));
    EXPECT_EQ(config, GoldenConfig(GetParam()));
}

TEST_P(GoldenRecord, EncodingTheDecodedRecordGivesTheSameFrame) {
    const std::vector<std::uint8_t> frame = DecodeReply(Reply());
    std::vector<std::uint8_t> record(RecordSize(GetParam()));
    EncodeConfigRecord(GoldenConfig(GetParam()), record.data());
    EXPECT_EQ(test::TagFrame(tag::kIfCur, record), frame);
}

INSTANTIATE_TEST_SUITE_P(Versions, GoldenRecord, ::testing::Values(1, 2));

TEST(GoldenFrames, OurEncoderWritesTheVersionOneReplyCharacterForCharacter) {
    std::vector<std::uint8_t> reply = ReadGolden("if_cur_v1.link");
    std::vector<std::uint8_t> ours = test::LinkMessage(DecodeReply(reply));
    reply[2] = ours[2] = 0;  // "M" from the printer, "C" to it
    EXPECT_EQ(ours, reply);
}

TEST(GoldenFrames, BssReplyIsARawTagFrame) {
    const std::vector<std::uint8_t> frame = ReadGolden("bss_rsp.frame");
    EXPECT_TRUE(IsFrameWithTag(frame.data(), frame.size(), tag::kBssRsp));
}

}  // namespace
}  // namespace lanvane
