#include "protocol/CertificateUpload.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "PrinterLine.h"

namespace lanvane::test {
namespace {

using sim::FaultPlan;
using sim::RequestKind;
using std::chrono::milliseconds;

constexpr char kMore[] = "__[I_F]__[FW_CERT]";
constexpr char kLast[] = "__[I_F]__[CERTEND]";

struct Chunk {
    std::string tag;
    std::uint32_t offset;
    std::uint32_t length;
    bool operator==(const Chunk&) const = default;
};

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
        progress.clear();
        return UploadCertificate(
            line->channel, *line->buffers, kind, certificate,
            [this](int position) { progress.push_back(position); },
            [this](milliseconds pause) { pauses.push_back(pause); });
    }

    // The chunks written, each try of each; the announcements are the 7-byte writes.
    std::vector<Chunk> Chunks() const {
        std::vector<Chunk> chunks;
        for (const Bytes& write : line->channel.Writes()) {
            if (write.size() > 7) {
                const Bytes frame = FrameOf(write);
                chunks.push_back({std::string(frame.begin(), frame.begin() + 18),
                                  sim::ReadLe32(&frame[18]), sim::ReadLe32(&frame[22])});
            }
        }
        return chunks;
    }

    sim::ReceivedCertificate Received(int kind = 1) const {
        return line->printer.State().certificates[kind];
    }

    std::unique_ptr<PrinterLine> line = std::make_unique<PrinterLine>();
    std::vector<int> progress;
    std::vector<milliseconds> pauses;
};

TEST_F(UploadCertificateTest, NineteenBytesGoAsTheWorkedFramesAndLeaveNoKeyMaterial) {
    const Bytes certificate = Text("-----BEGIN -----END");

    ASSERT_EQ(Upload(certificate, CertKind::ClientKey), UploadOutcome::Ok);

    const auto& writes = line->channel.Writes();
    ASSERT_EQ(writes.size(), 4U);
    EXPECT_EQ(writes[0], (Bytes{0x1F, 0x57, 0x43, 0x82, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(writes[1].size(), 82U);
    const auto frame = [](std::string_view tag, Bytes header, std::string_view data, Bytes crc) {
        Bytes all = Text(tag);
        for (const Bytes& part : {header, Text(data), crc}) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    EXPECT_EQ(FrameOf(writes[1]), frame(kMore, {0, 0, 0, 0, 9, 0, 0, 0}, "-----BEGI",
                                        {0x65, 0x1E, 0x3A, 0x43}));
    EXPECT_EQ(FrameOf(writes[2]), frame(kMore, {9, 0, 0, 0, 9, 0, 0, 0}, "N -----EN",
                                        {0x49, 0xBD, 0xFE, 0x99}));
    EXPECT_EQ(FrameOf(writes[3]), frame(kLast, {18, 0, 0, 0, 1, 0, 0, 0}, "D",
                                        {0x16, 0xE8, 0xBF, 0x3E}));
    EXPECT_EQ(progress, (std::vector<int>{47, 94, 100}));
    EXPECT_EQ(pauses, std::vector<milliseconds>(3, milliseconds(50)));
    EXPECT_EQ(Received(2), (sim::ReceivedCertificate{certificate, true}));
    // No key material stays behind in the buffers.
    const ExchangeBuffers& buffers = *line->buffers;
    const auto isZero = [](std::uint8_t byte) { return byte == 0; };
    EXPECT_TRUE(std::all_of(std::begin(buffers.request), std::end(buffers.request), isZero));
    EXPECT_TRUE(std::all_of(std::begin(buffers.staging), std::end(buffers.staging), isZero));
    EXPECT_TRUE(std::all_of(std::begin(buffers.message), std::end(buffers.message), isZero));
    EXPECT_TRUE(std::all_of(std::begin(buffers.reply), std::end(buffers.reply), isZero));
}

TEST_F(UploadCertificateTest, ChunkSizesFollowTheFileSize) {
    const struct {
        std::size_t size;
        std::vector<Chunk> chunks;
    } cases[] = {
        {1, {{kLast, 0, 1}}},
        {499, {{kMore, 0, 249}, {kMore, 249, 249}, {kLast, 498, 1}}},
        {500, {{kLast, 0, 500}}},
        {1000, {{kMore, 0, 500}, {kLast, 500, 500}}},
        {3071, {{kMore, 0, 500}, {kMore, 500, 500}, {kMore, 1000, 500}, {kMore, 1500, 500},
                {kMore, 2000, 500}, {kMore, 2500, 500}, {kLast, 3000, 71}}},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.size);
        line = std::make_unique<PrinterLine>();
        const Bytes certificate = Certificate(expected.size);

        ASSERT_EQ(Upload(certificate), UploadOutcome::Ok);

        EXPECT_EQ(Chunks(), expected.chunks);
        EXPECT_EQ(Received(), (sim::ReceivedCertificate{certificate, true}));
    }
    EXPECT_EQ(progress.front(), 16);

    line = std::make_unique<PrinterLine>();
    EXPECT_EQ(Upload({}), UploadOutcome::Ok);
    EXPECT_TRUE(line->channel.Writes().empty());
}

// The announcement goes at most 20 times; the first chunk too, since the "STRT" reply
// counts against it; every later chunk at most 21 times.
TEST_F(UploadCertificateTest, RefusalsAreBoundedPerStep) {
    using enum UploadOutcome;
    const struct {
        const char* name;
        FaultPlan faults;
        std::size_t faultsFrom;
        UploadOutcome outcome;
    } cases[] = {
        {"Announcement19", With(&FaultPlan::refuseStart, 19), 0, Ok},
        {"Announcement20", With(&FaultPlan::refuseStart, 20), 0, NotStarted},
        {"FirstChunk19", With(&FaultPlan::refuseChunk, 19), 0, Ok},
        {"FirstChunk20", With(&FaultPlan::refuseChunk, 20), 0, NotAcknowledged},
        {"SecondChunk20", With(&FaultPlan::refuseChunk, 20), 2, Ok},
        {"SecondChunk21", With(&FaultPlan::refuseChunk, 21), 2, NotAcknowledged},
    };
    const Bytes certificate = Certificate(19);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        line = std::make_unique<PrinterLine>();
        line->channel.faultsFrom = c.faultsFrom;
        line->channel.lateFaults = c.faults;
        EXPECT_EQ(Upload(certificate), c.outcome);
        EXPECT_EQ(Received().complete, c.outcome == UploadOutcome::Ok);
        if (c.outcome == UploadOutcome::Ok) {
            EXPECT_EQ(Received().data, certificate);
        }
    }
    EXPECT_EQ(line->channel.Writes().size(), 23U);
    EXPECT_EQ(Chunks().back(), (Chunk{kMore, 9, 9}));
}

TEST_F(UploadCertificateTest, SilenceAFailedWriteOrNoAcknowledgementEndsTheUpload) {
    using enum UploadOutcome;
    const struct {
        const char* name;
        FaultPlan faults;
        UploadOutcome outcome;
    } cases[] = {
        {"NoStart", With(&FaultPlan::noAnswerTo, RequestKind::CertificateAnnouncement), NoReply},
        {"NoAcknowledgement", With(&FaultPlan::noAnswerTo, RequestKind::CertificateChunk), NoReply},
        {"HangUpAfterTheStart", With(&FaultPlan::disconnectAfter, 1), WriteFailed},
        {"AcknowledgementTag", With(&FaultPlan::wrongTag, true), NotAcknowledged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        line = std::make_unique<PrinterLine>(c.faults);
        EXPECT_EQ(Upload(Certificate(19)), c.outcome);
    }
}

}  // namespace
}  // namespace lanvane::test
