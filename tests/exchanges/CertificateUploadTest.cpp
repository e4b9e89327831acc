#include "protocol/CertificateUpload.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "PrinterSide.h"

namespace lanvane::test {
namespace {

using std::chrono::milliseconds;

const Bytes kStart = Concat({{0x1F, 0x57, 0x4D}, Text("STRT")});
const Bytes kAck = Concat({{0x1F, 0x57, 0x4D}, Text("__[I_F]__[IF__SUC]")});
const Bytes kRefusal = Concat({{0x1F, 0x57, 0x4D}, Text("__[I_F]__[IF__ERR]")});

struct Chunk {
    std::string tag;
    std::uint32_t offset;
    std::uint32_t length;
    bool operator==(const Chunk&) const = default;
};

std::uint32_t LittleEndian32(const Bytes& frame, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t byte = 4; byte-- > 0;) {
        value = (value << 8) | frame[at + byte];
    }
    return value;
}

Chunk ChunkOf(const Bytes& message) {
    const Bytes frame = FrameOfLinkMessage(message);
    return {std::string(frame.begin(), frame.begin() + 18), LittleEndian32(frame, 18),
            LittleEndian32(frame, 22)};
}

Bytes Certificate(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>('A' + i % 26);
    }
    return bytes;
}

class UploadCertificateTest : public ::testing::Test {
protected:
    UploadOutcome Upload(const Bytes& certificate, CertKind kind = CertKind::CA) {
        return UploadCertificate(
            printer, *buffers, kind, certificate.data(), certificate.size(),
            [this](int position) { progress.push_back(position); },
            [this](milliseconds pause) { pauses.push_back(pause); });
    }

    std::vector<Chunk> Chunks() const {
        std::vector<Chunk> chunks;
        for (std::size_t i = 1; i < printer.writes.size(); ++i) {
            chunks.push_back(ChunkOf(printer.writes[i]));
        }
        return chunks;
    }

    FakeByteChannel printer;
    std::unique_ptr<ExchangeBuffers> buffers = std::make_unique<ExchangeBuffers>();
    std::vector<int> progress;
    std::vector<milliseconds> pauses;
};

TEST_F(UploadCertificateTest, NineteenBytesGoAsTheWorkedFrames) {
    const Bytes certificate = Text("-----BEGIN -----END");
    printer.QueueReply(kStart);
    printer.QueueReplies(kAck, 3);

    ASSERT_EQ(Upload(certificate, CertKind::ClientKey), UploadOutcome::Ok);

    ASSERT_EQ(printer.writes.size(), 4U);
    EXPECT_EQ(printer.writes[0], (Bytes{0x1F, 0x57, 0x43, 0x82, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(printer.writes[1].size(), 82U);
    EXPECT_EQ(FrameOfLinkMessage(printer.writes[1]),
              Concat({Text("__[I_F]__[FW_CERT]"), {0x00, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00},
                      Text("-----BEGI"), {0x65, 0x1E, 0x3A, 0x43}}));
    EXPECT_EQ(FrameOfLinkMessage(printer.writes[2]),
              Concat({Text("__[I_F]__[FW_CERT]"), {0x09, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00},
                      Text("N -----EN"), {0x49, 0xBD, 0xFE, 0x99}}));
    EXPECT_EQ(FrameOfLinkMessage(printer.writes[3]),
              Concat({Text("__[I_F]__[CERTEND]"), {0x12, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00},
                      Text("D"), {0x16, 0xE8, 0xBF, 0x3E}}));
    EXPECT_EQ(progress, (std::vector<int>{47, 94, 100}));
    EXPECT_EQ(pauses, std::vector<milliseconds>(3, milliseconds(50)));
}

TEST_F(UploadCertificateTest, ChunkSizesFollowTheFileSize) {
    const struct {
        std::size_t size;
        std::vector<Chunk> chunks;
    } cases[] = {
        {499, {{"__[I_F]__[FW_CERT]", 0, 249}, {"__[I_F]__[FW_CERT]", 249, 249},
               {"__[I_F]__[CERTEND]", 498, 1}}},
        {500, {{"__[I_F]__[CERTEND]", 0, 500}}},
        {1000, {{"__[I_F]__[FW_CERT]", 0, 500}, {"__[I_F]__[CERTEND]", 500, 500}}},
        {3071, {{"__[I_F]__[FW_CERT]", 0, 500}, {"__[I_F]__[FW_CERT]", 500, 500},
                {"__[I_F]__[FW_CERT]", 1000, 500}, {"__[I_F]__[FW_CERT]", 1500, 500},
                {"__[I_F]__[FW_CERT]", 2000, 500}, {"__[I_F]__[FW_CERT]", 2500, 500},
                {"__[I_F]__[CERTEND]", 3000, 71}}},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.size);
        printer = FakeByteChannel{};
        printer.QueueReply(kStart);
        printer.QueueReplies(kAck, static_cast<int>(expected.chunks.size()));
        const Bytes certificate = Certificate(expected.size);

        ASSERT_EQ(Upload(certificate), UploadOutcome::Ok);

        EXPECT_EQ(printer.writes[0].size(), 7U);
        EXPECT_EQ(Chunks(), expected.chunks);
        const Bytes last = FrameOfLinkMessage(printer.writes.back());
        const auto lastLength = expected.chunks.back().length;
        EXPECT_EQ(Bytes(last.begin() + 26, last.begin() + 26 + lastLength),
                  Bytes(certificate.end() - lastLength, certificate.end()));
    }
    EXPECT_EQ(printer.writes[1].size(), 1064U);
    EXPECT_EQ(progress[progress.size() - 7], 16);  // after the first chunk of 3071 bytes
}

TEST_F(UploadCertificateTest, AnnouncementIsRepeatedUntilStrtAtMostTwentyTimes) {
    printer.QueueReplies(kRefusal, 19);
    printer.QueueReply(kStart);
    printer.QueueReplies(kAck, 3);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::Ok);
    EXPECT_EQ(printer.writes.size(), 23U);

    printer = FakeByteChannel{};
    printer.QueueReplies(kRefusal, 20);
    printer.QueueReply(kStart);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::NotStarted);
    EXPECT_EQ(printer.writes.size(), 20U);
    for (const auto& write : printer.writes) {
        EXPECT_EQ(write, (Bytes{0x1F, 0x57, 0x43, 0x81, 0x1D, 0x1F, 0x03}));
    }
}

TEST_F(UploadCertificateTest, FirstChunkHasNineteenRetries) {
    printer.QueueReply(kStart);
    printer.QueueReplies(kRefusal, 19);
    printer.QueueReplies(kAck, 3);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::Ok);
    const auto chunks = Chunks();
    ASSERT_EQ(chunks.size(), 22U);
    EXPECT_EQ(chunks[19], (Chunk{"__[I_F]__[FW_CERT]", 0, 9}));
    EXPECT_EQ(chunks[20], (Chunk{"__[I_F]__[FW_CERT]", 9, 9}));

    printer = FakeByteChannel{};
    printer.QueueReply(kStart);
    printer.QueueReplies(kRefusal, 20);
    printer.QueueReplies(kAck, 3);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::NotAcknowledged);
    EXPECT_EQ(printer.writes.size(), 21U);
}

TEST_F(UploadCertificateTest, LaterChunksHaveTwentyRetries) {
    printer.QueueReply(kStart);
    printer.QueueReply(kAck);
    printer.QueueReplies(kRefusal, 20);
    printer.QueueReplies(kAck, 2);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::Ok);

    printer = FakeByteChannel{};
    printer.QueueReply(kStart);
    printer.QueueReply(kAck);
    printer.QueueReplies(kRefusal, 21);
    printer.QueueReplies(kAck, 2);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::NotAcknowledged);
    const auto chunks = Chunks();
    EXPECT_EQ(chunks.back(), (Chunk{"__[I_F]__[FW_CERT]", 9, 9}));
}

TEST_F(UploadCertificateTest, ShortAcknowledgementDoesNotCount) {
    printer.QueueReply(kStart);
    printer.QueueReplies(Bytes(kAck.begin(), kAck.end() - 1), 20);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::NotAcknowledged);
}

TEST_F(UploadCertificateTest, SilenceOrAFailedWriteEndsTheUpload) {
    printer.QueueReply(kStart);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::NoReply);

    printer = FakeByteChannel{};
    printer.FailWrite(1);
    printer.QueueReply(kStart);
    printer.QueueReplies(kAck, 3);
    EXPECT_EQ(Upload(Certificate(19)), UploadOutcome::WriteFailed);
}

TEST_F(UploadCertificateTest, TinyCertificatesStillEnd) {
    EXPECT_EQ(Upload({}), UploadOutcome::Ok);
    EXPECT_TRUE(printer.writes.empty());

    printer.QueueReply(kStart);
    printer.QueueReply(kAck);
    EXPECT_EQ(Upload(Certificate(1)), UploadOutcome::Ok);
    EXPECT_EQ(Chunks(), (std::vector<Chunk>{{"__[I_F]__[CERTEND]", 0, 1}}));
}

TEST_F(UploadCertificateTest, BuffersHoldNoKeyMaterialAfterwards) {
    printer.QueueReply(kStart);
    printer.QueueReplies(kAck, 3);
    ASSERT_EQ(Upload(Certificate(19)), UploadOutcome::Ok);

    const auto isZero = [](std::uint8_t byte) { return byte == 0; };
    EXPECT_TRUE(std::all_of(std::begin(buffers->staging), std::end(buffers->staging), isZero));
    EXPECT_TRUE(std::all_of(std::begin(buffers->message), std::end(buffers->message), isZero));
    EXPECT_TRUE(std::all_of(std::begin(buffers->reply), std::end(buffers->reply), isZero));
}

}  // namespace
}  // namespace lanvane::test
