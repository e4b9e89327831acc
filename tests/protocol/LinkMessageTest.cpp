#include <gtest/gtest.h>

#include <string>

#include "TestFrames.h"
#include "protocol/AttentionMessage.h"

namespace lanvane {
namespace {

using test::Bytes;
using test::LinkMessage;
using test::TagFrame;

std::vector<std::uint8_t> Link(std::string_view hexText) {
    return Bytes("\x1F\x57\x4D" + std::string(hexText) + "\x03");
}

std::string HexTextOf(const std::vector<std::uint8_t>& message) {
    return {message.begin() + 3, message.end() - 1};
}

TEST(LinkMessage, RequestsWithoutPayloadArePrefixFortyCharactersAndTerminator) {
    const std::vector<std::uint8_t> sysReq = LinkMessage(TagFrame(tag::kSysReq));
    EXPECT_EQ(sysReq, test::ReadGolden("sys_req.link"));
    EXPECT_EQ(HexTextOf(LinkMessage(TagFrame(tag::kIfGet))).substr(36), ".50d");
}

TEST(LinkMessage, FrameThatDoesNotFitTheMessageBufferIsRefused) {
    static std::uint8_t message[kMessageBufferSize];
    const std::vector<std::uint8_t> largest(4094, 0x5A);
    EXPECT_EQ(EncodeLinkMessage(largest, message), kMessageBufferSize);
    EXPECT_EQ(message[kMessageBufferSize - 1], kLinkTerminator);
    const std::vector<std::uint8_t> tooLarge(4095, 0x5A);
    EXPECT_EQ(BuildLinkMessage(tooLarge, message), 0u);
}

TEST(HexCodec, HighBytesGetASignedHighDigitFromParenthesisToSlash) {
    const std::vector<std::uint8_t> high = {0x80, 0x91, 0xA2, 0xB3, 0xC0, 0xDE, 0xEF, 0xFA};
    EXPECT_EQ(HexTextOf(LinkMessage(high)), "(0)1*2+3,0-e.f/a");
    EXPECT_EQ(HexTextOf(LinkMessage({0x00, 0x09, 0x0A, 0x7F})), "00090a7f");
}

// Printers send lower-case digits; an upper-case low digit keeps the stray high bits of the
// same subtraction, as the printers' other programs decode it.
TEST(DecodeLinkMessage, SignedHighDigitsAndUpperCaseLowDigits) {
    const struct {
        const char* text;
        std::uint8_t value;
    } cases[] = {{"0c", 0x0C}, {"0C", 0xEC}, {"7F", 0xFF}, {"(0", 0x80}, {"/a", 0xFA}, {"-e", 0xDE}};
    for (const auto& c : cases) {
        const std::vector<std::uint8_t> message = Link(c.text);
        std::uint8_t frame[1] = {};
        ASSERT_EQ(DecodeLinkMessage(message, frame), 1u) << c.text;
        EXPECT_EQ(frame[0], c.value) << c.text;
    }
}

TEST(DecodeLinkMessage, StopsAtTheFrameCapacity) {
    const std::vector<std::uint8_t> message = Link("0102030405060708");
    std::uint8_t frame[6] = {0, 0, 0, 0, 0xEE, 0xEE};
    EXPECT_EQ(DecodeLinkMessage(message, std::span(frame).first(4)), 4u);
    EXPECT_EQ(frame[3], 0x04);
    EXPECT_EQ(frame[4], 0xEE);
    EXPECT_EQ(frame[5], 0xEE);
}

// The printer answers with its own prefix; an echo of the message is no answer.
TEST(AttentionMessage, ReplyNeedsThePrinterPrefixAndTheConfigSelector) {
    const std::uint8_t good[] = {0x1F, 0x57, 0x4D, 0x7F, 0x00};
    EXPECT_TRUE(IsAttentionReply(good));
    EXPECT_TRUE(IsAttentionReply(std::span(good).first(4)));
    EXPECT_FALSE(IsAttentionReply(std::span(good).first(3)));
    const std::uint8_t echoed[] = {0x1F, 0x57, 0x43, 0x7F};
    EXPECT_FALSE(IsAttentionReply(echoed));
    const std::uint8_t otherSelector[] = {0x1F, 0x57, 0x4D, 0x81};
    EXPECT_FALSE(IsAttentionReply(otherSelector));
}

}  // namespace
}  // namespace lanvane
