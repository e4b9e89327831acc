#include "protocol/CertificateUpload.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <iterator>
#include <optional>
#include <string_view>

#include "protocol/Framing.h"
#include "protocol/TagBytes.h"

namespace lanvane {
namespace {

constexpr std::size_t kLargestChunk = 500;
constexpr int kRetries = 20;
constexpr int kAnnouncements = 20;
constexpr std::chrono::milliseconds kPauseAfterChunk{50};
constexpr std::size_t kReplyBufferSize = 4096;
constexpr std::size_t kReplyTextOffset = 3;
constexpr std::string_view kStartReply = "STRT";

// The fields of a chunk frame that follow the tag: offset and length, little-endian.
constexpr std::size_t kChunkHeaderSize = kTagLength + 8;

void PutLittleEndian32(std::uint8_t* destination, std::size_t value) {
    for (int byte = 0; byte < 4; ++byte) {
        destination[byte] = static_cast<std::uint8_t>(value >> (8 * byte));
    }
}

// Stages tag, offset, length and data in the reply buffer, closes them with the CRC in the
// staging buffer and wraps that as a link message. Returns the link message size.
std::size_t PrepareChunk(ExchangeBuffers& buffers, const std::uint8_t* certificate,
                         std::size_t offset, std::size_t length, bool last) {
    std::uint8_t* frame = buffers.reply;
    std::copy_n(TagBytes(last ? tag::kCertEnd : tag::kFwCert), kTagLength, frame);
    PutLittleEndian32(frame + kTagLength, offset);
    PutLittleEndian32(frame + kTagLength + 4, length);
    std::copy_n(certificate + offset, length, frame + kChunkHeaderSize);
    std::fill(std::begin(buffers.staging), std::end(buffers.staging), std::uint8_t{0});
    const int frameSize = BuildCrcFrame(buffers.staging, frame, kChunkHeaderSize + length);
    return BuildLinkMessage(buffers.staging, static_cast<std::size_t>(frameSize),
                            buffers.message);
}

bool ReplySays(const std::uint8_t* reply, std::size_t count, std::string_view text) {
    return count >= kReplyTextOffset + text.size() &&
           std::equal(text.begin(), text.end(), reply + kReplyTextOffset,
                      [](char expected, std::uint8_t got) {
                          return static_cast<std::uint8_t>(expected) == got;
                      });
}

class Upload {
public:
    Upload(ByteChannel& channel, ExchangeBuffers& buffers, CertKind kind,
           const std::uint8_t* certificate, std::size_t total, const ProgressCallback& progress,
           const Sleeper& pause)
        : channel_(channel), buffers_(buffers), kind_(kind), certificate_(certificate),
          total_(total), chunk_(CertificateChunkSize(total)), progress_(progress),
          pause_(pause) {}

    UploadOutcome Run() {
        if (total_ == 0) {
            return UploadOutcome::Ok;
        }
        if (const auto refused = Announce()) {
            return *refused;
        }
        // The "STRT" reply is no acknowledgement: it counts against the first chunk.
        int retries = kRetries - 1;
        while (true) {
            const std::size_t length = std::min(chunk_, total_ - sent_);
            const bool last = total_ - sent_ <= chunk_;
            const std::size_t size = PrepareChunk(buffers_, certificate_, sent_, length, last);
            if (const auto failed = Send(buffers_.message, size)) {
                return *failed;
            }
            if (!ReplySays(reply_.data(), replyCount_, tag::kIfSuc)) {
                if (retries <= 0) {
                    return UploadOutcome::NotAcknowledged;
                }
                --retries;
                continue;
            }
            sent_ += length;
            ReportProgress(progress_, static_cast<int>(sent_ * 100 / total_));
            retries = kRetries;
            if (pause_) {
                pause_(kPauseAfterChunk);
            }
            if (sent_ >= total_) {
                return UploadOutcome::Ok;
            }
        }
    }

private:
    std::optional<UploadOutcome> Announce() {
        const auto announcement = AttentionMessage(CertSelector(kind_));
        for (int attempt = 0; attempt < kAnnouncements; ++attempt) {
            if (const auto failed = Send(announcement.data(), announcement.size())) {
                return failed;
            }
            if (ReplySays(reply_.data(), replyCount_, kStartReply)) {
                return std::nullopt;
            }
        }
        return UploadOutcome::NotStarted;
    }

    // Writes one message and reads the printer's answer to it.
    std::optional<UploadOutcome> Send(const std::uint8_t* message, std::size_t size) {
        if (size == 0 || channel_.Write(message, size) == 0) {
            return UploadOutcome::WriteFailed;
        }
        reply_.fill(0);
        replyCount_ = 0;
        if (!channel_.ReadReply(ReplyKind::LinkMessage, reply_.data(), reply_.size(), replyCount_)) {
            return UploadOutcome::NoReply;
        }
        return std::nullopt;
    }

    ByteChannel& channel_;
    ExchangeBuffers& buffers_;
    CertKind kind_;
    const std::uint8_t* certificate_;
    std::size_t total_;
    std::size_t chunk_;
    const ProgressCallback& progress_;
    const Sleeper& pause_;
    std::size_t sent_ = 0;
    std::array<std::uint8_t, kReplyBufferSize> reply_{};
    std::size_t replyCount_ = 0;
};

}  // namespace

std::size_t CertificateChunkSize(std::size_t total) {
    return total >= kLargestChunk ? kLargestChunk : std::max<std::size_t>(total / 2, 1);
}

UploadOutcome UploadCertificate(ByteChannel& channel, ExchangeBuffers& buffers, CertKind kind,
                                const std::uint8_t* certificate, std::size_t total,
                                const ProgressCallback& progress, const Sleeper& pause) {
    const auto outcome = Upload(channel, buffers, kind, certificate, total, progress, pause).Run();
    buffers.Wipe();
    return outcome;
}

}  // namespace lanvane
