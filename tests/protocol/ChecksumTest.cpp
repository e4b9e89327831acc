#include <gtest/gtest.h>

#include "TestFrames.h"

namespace lanvane {
namespace {

using test::Bytes;
using test::TagFrame;

TEST(Checksum16, FollowsTheInternetChecksumWithHighByteFirst) {
    const std::uint8_t words[] = {0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7};
    EXPECT_EQ(Checksum16(words), 0x220D);  // the RFC 1071 example
    const std::uint8_t odd[] = {0x12, 0x34, 0x56, 0xAB};  // the last byte lies beyond the data
    EXPECT_EQ(Checksum16(std::span(odd).first(3)), static_cast<std::uint16_t>(~(0x1234 + 0x5600)));
    EXPECT_EQ(Checksum16(std::span(odd).first(0)), 0xFFFF);
}

TEST(Checksum16, IntactFrameChecksToZeroAndEverySingleBitFlipIsDetected) {
    std::vector<std::uint8_t> frame = TagFrame(tag::kSysRsp, Bytes("V1.02 2024-01-31 mac"));
    ASSERT_EQ(Checksum16(frame), 0);
    for (std::size_t bit = 0; bit < frame.size() * 8; ++bit) {
        frame[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
        EXPECT_NE(Checksum16(frame), 0) << "bit " << bit;
        frame[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
    }
}

TEST(BuildTagFrame, OddLengthIsPaddedWithOneZeroByteBeforeTheChecksum) {
    const std::vector<std::uint8_t> record(621 - kTagLength, 0xA5);
    const std::vector<std::uint8_t> frame = TagFrame(tag::kIfSet, record);
    ASSERT_EQ(frame.size(), 624u);
    EXPECT_EQ(frame[620], 0xA5);
    EXPECT_EQ(frame[621], 0x00);
    const auto stored = static_cast<std::uint16_t>(frame[622] << 8 | frame[623]);
    EXPECT_EQ(Checksum16(std::span(frame).first(622)), stored);
}

TEST(BuildTagFrame, WritesNoMoreThanTheFrameAndNothingWhenItDoesNotFit) {
    const std::vector<std::uint8_t> source = Bytes("__[I_F]__[IF__SET]x");
    std::vector<std::uint8_t> dst(source.size() + 3 + 8, 0xEE);
    EXPECT_EQ(BuildTagFrame(std::span(dst).first(21), source), -1);
    EXPECT_EQ(std::count(dst.begin(), dst.end(), 0xEE), 30);
    EXPECT_EQ(BuildTagFrame(dst, source), 22);
    EXPECT_EQ(std::count(dst.begin() + 22, dst.end(), 0xEE), 8);
}

}  // namespace
}  // namespace lanvane
