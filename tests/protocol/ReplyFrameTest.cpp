#include "protocol/ReplyFrame.h"

#include <gtest/gtest.h>

#include <string>

#include "protocol/ByteChannel.h"

namespace lanvane {
namespace {

const std::string kLink = "\x1F\x57\x4D" "0a1b\x03";
const std::string kMaker = std::string("_Vantrole Systemtechnik AG") + '\0';

// Where each reply's frame is found among noise, extra bytes and missing ends.
TEST(FindReplyFrame, FindsTheFrameByItsOwnStartAndEnd) {
    const struct {
        const char* name;
        ReplyKind kind;
        std::string bytes;
        bool whole;
        std::string frame;  // the bytes kept; all of them when not whole
    } cases[] = {
        {"QuirkyUpperCaseHex", ReplyKind::LinkMessage, "\x1F\x57\x4D" "0A1B\x03", true, "\x1F\x57\x4D" "0A1B\x03"},
        {"LinkAfterNoise", ReplyKind::LinkMessage, "\xFF\x03\x1F" + kLink, true, kLink},
        {"LinkWithoutItsEnd", ReplyKind::LinkMessage, "\x1F\x57\x4D" "0a1", false, "\x1F\x57\x4D" "0a1"},
        {"GarbageEndingLikeALink", ReplyKind::LinkMessage, "abc\x03", false, "abc\x03"},
        {"MakerAfterNoise", ReplyKind::MakerName, std::string("\xFF\x00\xFE", 3) + kMaker, true, kMaker},
        {"MakerWithOtherLeadingByte", ReplyKind::MakerName, std::string("\x01Other Maker") + '\0',
         true, std::string("\x01Other Maker") + '\0'},
        {"MakerWithBytesAfterItsEnd", ReplyKind::MakerName, kMaker + "\x55", true, kMaker},
        {"MakerWithoutItsNul", ReplyKind::MakerName, "_Vantrole", false, "_Vantrole"},
        {"NoiseWithANul", ReplyKind::MakerName, std::string("\xFF\x00\x80\x00", 4), false,
         std::string("\xFF\x00\x80\x00", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(FindReplyFrame(c.kind, bytes).whole, c.whole);
        std::uint8_t kept[64]{};
        std::size_t count = 0;
        const std::size_t dropped = StoreReplyFrame(c.kind, bytes, kept, count);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(kept), count), c.frame);
        EXPECT_EQ(dropped, c.bytes.size() - c.frame.size());
    }
}

}  // namespace
}  // namespace lanvane
