#include "sim/SimWireCodec.h"

#include <gtest/gtest.h>

#include "WireText.h"

namespace lanvane::sim {
namespace {

using test::Hex;
using test::Joined;
using test::Text;

TEST(SimWireCodec, ChecksumMatchesTheKnownRequestFrames) {
    const Bytes sysReq = Text("__[I_F]__[SYS_REQ]");
    const Bytes ifGet = Text("__[I_F]__[IF__GET]");
    EXPECT_EQ(InternetChecksum(sysReq.data(), sysReq.size()), 0xDEFA);
    EXPECT_EQ(InternetChecksum(ifGet.data(), ifGet.size()), 0xE50D);
    EXPECT_EQ(SealTagFrame(sysReq), Hex("5f5f5b495f465d5f5f5b5359535f5245515d defa"));
}

TEST(SimWireCodec, OddFramesArePaddedAndEveryFlippedBitBreaksTheCheck) {
    const Bytes frame = SealTagFrame(Joined({Text("__[I_F]__[IF__SET]"), Hex("01 02 03")}));
    ASSERT_EQ(frame.size(), 18u + 3u + 1u + 2u);
    EXPECT_EQ(frame[21], 0);
    EXPECT_TRUE(FrameChecksumHolds(frame));
    for (std::size_t bit = 0; bit < frame.size() * 8; ++bit) {
        Bytes damaged = frame;
        damaged[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
        EXPECT_FALSE(FrameChecksumHolds(damaged)) << "bit " << bit;
    }
}

TEST(SimWireCodec, CrcMatchesTheKnownValues) {
    const Bytes digits = Text("123456789");
    const Bytes letters = Text("abc");
    EXPECT_EQ(CertificateCrc(digits.data(), digits.size()), 0x89A1897Fu);
    EXPECT_EQ(CertificateCrc(letters.data(), letters.size()), 0x2C17398Cu);
    EXPECT_EQ(CertificateCrc(nullptr, 0), 0u);
}

}  // namespace
}  // namespace lanvane::sim
