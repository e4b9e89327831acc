#include <gtest/gtest.h>

#include <string>

#include "PrinterDriver.h"
#include "WireText.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane::sim {
namespace {

using namespace test;

const Bytes kAnnounceCa = Hex("1F 57 43 81 1D 1F 03");
const Bytes kStartReply = Joined({Hex("1F 57 4D"), Text("STRT"), Hex("03")});
const Bytes kChunkAck = Joined({Hex("1F 57 4D"), Text("__[I_F]__[IF__SUC]"), Hex("03")});
const Bytes kChunkRefusal = Joined({Hex("1F 57 4D"), Text("__[I_F]__[IF__ERR]"), Hex("03")});
const Bytes kFileBytes = Text("-----BEGIN X-----E\n");  // 19 bytes: chunks of 9, 9 and 1

Bytes Le32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes ChunkFrame(std::string_view tag, std::uint32_t offset, const Bytes& data) {
    Bytes frame = Joined({Text(tag), Le32(offset), Le32(static_cast<std::uint32_t>(data.size())), data});
    AppendBe32(frame, CertificateCrc(frame.data(), frame.size()));
    return frame;
}

Bytes Chunk(std::string_view tag, std::uint32_t offset, std::size_t length) {
    const auto from = kFileBytes.begin() + offset;
    return LinkRequest(ProgramHex(ChunkFrame(tag, offset, Bytes(from, from + static_cast<std::ptrdiff_t>(length)))));
}

constexpr std::string_view kMore = "__[I_F]__[FW_CERT]";
constexpr std::string_view kLast = "__[I_F]__[CERTEND]";

TEST(CertificateUpload, RefusesDamagedForgedUnannouncedOrLateChunks) {
    SimulatedPrinter printer;
    PrinterDriver driver(printer);
    EXPECT_EQ(driver.Exchange(Chunk(kMore, 0, 9)), kChunkRefusal);

    EXPECT_EQ(driver.Exchange(kAnnounceCa), kStartReply);
    Bytes damaged = ChunkFrame(kMore, 0, Bytes(kFileBytes.begin(), kFileBytes.begin() + 9));
    damaged[30] ^= 0x20;
    EXPECT_EQ(driver.Exchange(LinkRequest(ProgramHex(damaged))), kChunkRefusal);
    EXPECT_EQ(driver.Exchange(LinkRequest(ProgramHex(ChunkFrame(kMore, 0x7FFFFFF0, Text("x"))))), kChunkRefusal);
    Bytes wrongLength = ChunkFrame(kMore, 0, Text("abc"));
    wrongLength[22] = 4;
    EXPECT_EQ(driver.Exchange(LinkRequest(ProgramHex(wrongLength))), kChunkRefusal);
    EXPECT_TRUE(printer.State().certificates.at(1).data.empty());

    EXPECT_EQ(driver.Exchange(Chunk(kLast, 0, 19)), kChunkAck);
    EXPECT_EQ(driver.Exchange(Chunk(kMore, 0, 9)), kChunkRefusal) << "no chunk after the last one";
}

}  // namespace
}  // namespace lanvane::sim
