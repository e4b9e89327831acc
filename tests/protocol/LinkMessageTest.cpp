#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "TestFrames.h"

namespace lanvane {
namespace {

using test::Bytes;
using test::LinkMessage;
using test::TagFrame;

// Sized once and filled in place: growing a three-byte vector trips a false array-bounds
// warning of g++ 12 at -O2.
std::vector<std::uint8_t> Link(std::string_view hexText) {
    std::vector<std::uint8_t> message(std::size(kLinkPrefixFromPrinter) + hexText.size() + 1);
    auto end = std::copy(std::begin(kLinkPrefixFromPrinter), std::end(kLinkPrefixFromPrinter), message.begin());
    end = std::copy(hexText.begin(), hexText.end(), end);
    *end = kLinkTerminator;
    return message;
}

std::vector<std::uint8_t> Decode(const std::vector<std::uint8_t>& message,
                                 std::size_t capacity = kMessageBufferSize) {
    std::vector<std::uint8_t> frame(capacity);
    frame.resize(DecodeLinkMessage(message.data(), message.size(), frame.data(), capacity));
    return frame;
}

std::string HexTextOf(const std::vector<std::uint8_t>& message) {
    return {message.begin() + 3, message.end() - 1};
}

TEST(LinkMessage, SysReqIsPrefixFortyCharactersAndTerminator) {
    const std::vector<std::uint8_t> message = LinkMessage(TagFrame(tag::kSysReq));
    std::vector<std::uint8_t> expected = {0x1F, 0x57, 0x43};
    for (char c : std::string_view("5f5f5b495f465d5f5f5b5359535f5245515d-e/a")) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    expected.push_back(0x03);
    ASSERT_EQ(expected.size(), 44u);
    EXPECT_EQ(message, expected);
}

TEST(LinkMessage, EveryRequestWithoutPayloadIs44Bytes) {
    EXPECT_EQ(LinkMessage(TagFrame(tag::kIfGet)).size(), 44u);
    EXPECT_EQ(LinkMessage(TagFrame(tag::kBssReq)).size(), 44u);
    const std::string ifGetText = HexTextOf(LinkMessage(TagFrame(tag::kIfGet)));
    EXPECT_EQ(ifGetText.substr(36), ".50d");
}

TEST(LinkMessage, RecordWritesHaveTheSizesThatDecideTheVersion) {
    const std::vector<std::uint8_t> recordV1(603, 0x11);
    const std::vector<std::uint8_t> recordV2(616, 0x22);
    EXPECT_EQ(LinkMessage(TagFrame(tag::kIfSet, recordV1)).size(), 1252u);
    EXPECT_EQ(LinkMessage(TagFrame(tag::kIfSet, recordV2)).size(), 1276u);
}

TEST(LinkMessage, FrameThatDoesNotFitTheMessageBufferIsRefused) {
    static std::uint8_t message[kMessageBufferSize];
    const std::vector<std::uint8_t> largest(4094, 0x5A);
    EXPECT_EQ(EncodeLinkMessage(largest.data(), largest.size(), message), kMessageBufferSize);
    EXPECT_EQ(message[kMessageBufferSize - 1], kLinkTerminator);
    const std::vector<std::uint8_t> tooLarge(4095, 0x5A);
    EXPECT_EQ(BuildLinkMessage(tooLarge.data(), tooLarge.size(), message), 0u);
}

TEST(LinkMessage, EncodingClearsTheWholeBufferAndLeavesThePrefixToTheCaller) {
    static std::uint8_t message[kMessageBufferSize];
    std::fill(std::begin(message), std::end(message), std::uint8_t{0xEE});
    const std::uint8_t frame[] = {0x01, 0xAB};
    ASSERT_EQ(EncodeLinkMessage(frame, sizeof frame, message), 8u);
    const std::vector<std::uint8_t> head(message, message + 8);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{0, 0, 0, '0', '1', '*', 'b', 0x03}));
    EXPECT_TRUE(std::all_of(message + 8, std::end(message), [](std::uint8_t b) { return b == 0; }));
}

TEST(HexCodec, HighBytesGetASignedHighDigitFromParenthesisToSlash) {
    const std::vector<std::uint8_t> high = {0x80, 0x91, 0xA2, 0xB3, 0xC0, 0xDE, 0xEF, 0xFA};
    EXPECT_EQ(HexTextOf(LinkMessage(high)), "(0)1*2+3,0-e.f/a");
    const std::vector<std::uint8_t> low = {0x00, 0x09, 0x0A, 0x7F};
    EXPECT_EQ(HexTextOf(LinkMessage(low)), "00090a7f");
}

TEST(HexCodec, BothHighDigitFormsDecodeToTheSameByte) {
    EXPECT_EQ(Decode(Link(",0")), std::vector<std::uint8_t>{0xC0});
    EXPECT_EQ(Decode(Link("c0")), std::vector<std::uint8_t>{0xC0});
    std::vector<std::uint8_t> everyByte(256);
    for (std::size_t i = 0; i < everyByte.size(); ++i) {
        everyByte[i] = static_cast<std::uint8_t>(i);
    }
    EXPECT_EQ(Decode(LinkMessage(everyByte)), everyByte);
    std::string plainHex;
    for (std::uint8_t byte : everyByte) {
        plainHex += "0123456789abcdef"[byte >> 4];
        plainHex += "0123456789abcdef"[byte & 0x0F];
    }
    EXPECT_EQ(Decode(Link(plainHex)), everyByte);
}

TEST(HexCodec, UpperCaseLettersAreNotHexDigits) {
    EXPECT_EQ(Decode(Link("0C")), std::vector<std::uint8_t>{0xEC});
    EXPECT_EQ(Decode(Link("AB")), std::vector<std::uint8_t>{0xEB});
    EXPECT_EQ(HexValue('C'), static_cast<std::uint8_t>('C' - 0x57));
}

TEST(DecodeLinkMessage, FrameLengthIsHalfTheTextRoundedDown) {
    EXPECT_EQ(Decode(Link("0102")).size(), 2u);  // the terminator falls away
    EXPECT_EQ(Decode(Bytes("\x1F\x57\x4D" "010")).size(), 1u);
    EXPECT_TRUE(Decode(Bytes("\x1F\x57")).empty());
    EXPECT_TRUE(Decode({}).empty());
}

TEST(DecodeLinkMessage, StopsAtTheFrameCapacity) {
    const std::vector<std::uint8_t> message = Link("0102030405060708");
    std::uint8_t frame[6] = {0, 0, 0, 0, 0xEE, 0xEE};
    EXPECT_EQ(DecodeLinkMessage(message.data(), message.size(), frame, 4), 4u);
    EXPECT_EQ(frame[3], 0x04);
    EXPECT_EQ(frame[4], 0xEE);
    EXPECT_EQ(frame[5], 0xEE);
}

TEST(AttentionMessage, CarriesTheSelectorBetweenPrefixAndTrailer) {
    const std::array<std::uint8_t, 7> expected = {0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03};
    EXPECT_EQ(AttentionMessage(kConfigSelector), expected);
    EXPECT_EQ(AttentionMessage(0x82)[3], 0x82);
}

TEST(AttentionMessage, ReplyNeedsThePrinterPrefixAndTheConfigSelector) {
    const std::uint8_t good[] = {0x1F, 0x57, 0x4D, 0x7F, 0x00};
    EXPECT_TRUE(IsAttentionReply(good, sizeof good));
    EXPECT_TRUE(IsAttentionReply(good, 4));
    EXPECT_FALSE(IsAttentionReply(good, 3));
    const std::uint8_t echoed[] = {0x1F, 0x57, 0x43, 0x7F};
    EXPECT_FALSE(IsAttentionReply(echoed, sizeof echoed));
    const std::uint8_t otherSelector[] = {0x1F, 0x57, 0x4D, 0x81};
    EXPECT_FALSE(IsAttentionReply(otherSelector, sizeof otherSelector));
}

}  // namespace
}  // namespace lanvane
