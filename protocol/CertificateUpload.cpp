#include "protocol/CertificateUpload.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <string_view>

#include "protocol/AttentionMessage.h"
#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"
#include "protocol/LinkMessage.h"

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

void PutLittleEndian32(std::span<std::uint8_t, 4> destination, std::size_t value) {
    for (std::size_t byte = 0; byte < destination.size(); ++byte) {
        destination[byte] = static_cast<std::uint8_t>(value >> (8 * byte));
    }
}

// Stages tag, offset, length and data in the request buffer, closes them with the CRC in
// the staging buffer and wraps that as a link message. Returns the link message size.
std::size_t PrepareChunk(ExchangeBuffers& buffers, std::span<const std::uint8_t> chunk, std::size_t offset,
                         bool last) {
    const auto request = std::span(buffers.request).first(kChunkHeaderSize + chunk.size());
    const auto chunkTag = TagBytes(last ? tag::kCertEnd : tag::kFwCert);
    std::copy(chunkTag.begin(), chunkTag.end(), request.begin());
    PutLittleEndian32(request.subspan(kTagLength).first<4>(), offset);
    PutLittleEndian32(request.subspan(kTagLength + 4).first<4>(), chunk.size());
    std::copy(chunk.begin(), chunk.end(), request.begin() + kChunkHeaderSize);
    buffers.staging.fill(0);
    const int frameSize = BuildCrcFrame(buffers.staging, request);
    if (frameSize < 0) {
        return 0;
    }
    return BuildLinkMessage(std::span(buffers.staging).first(static_cast<std::size_t>(frameSize)),
                            buffers.message);
}

bool ReplySays(std::span<const std::uint8_t> reply, std::string_view text) {
    return reply.size() >= kReplyTextOffset + text.size() &&
           std::equal(text.begin(), text.end(), reply.begin() + kReplyTextOffset,
                      [](char expected, std::uint8_t got) {
                          return static_cast<std::uint8_t>(expected) == got;
                      });
}

class Upload {
public:
    Upload(ByteChannel& channel, ExchangeBuffers& buffers, CertKind kind,
           std::span<const std::uint8_t> certificate, const ProgressCallback& progress,
           const Sleeper& pause)
        : channel_(channel), buffers_(buffers), kind_(kind), certificate_(certificate),
          total_(certificate.size()), chunk_(CertificateChunkSize(total_)), progress_(progress),
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
            const std::size_t size = PrepareChunk(buffers_, certificate_.subspan(sent_, length), sent_, last);
            if (const auto failed = Send(std::span(buffers_.message).first(size))) {
                return *failed;
            }
            if (!ReplySays(Reply(), tag::kIfSuc)) {
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
            if (const auto failed = Send(announcement)) {
                return failed;
            }
            if (ReplySays(Reply(), kStartReply)) {
                return std::nullopt;
            }
        }
        return UploadOutcome::NotStarted;
    }

    // Writes one message and reads the printer's answer to it.
    std::optional<UploadOutcome> Send(std::span<const std::uint8_t> message) {
        if (message.empty() || channel_.Write(message) == 0) {
            return UploadOutcome::WriteFailed;
        }
        reply_.fill(0);
        replyCount_ = 0;
        if (!channel_.ReadReply(ReplyKind::LinkMessage, reply_, replyCount_)) {
            return UploadOutcome::NoReply;
        }
        return std::nullopt;
    }

    std::span<const std::uint8_t> Reply() const {
        return std::span(reply_).first(std::min(replyCount_, reply_.size()));
    }

    ByteChannel& channel_;
    ExchangeBuffers& buffers_;
    CertKind kind_;
    std::span<const std::uint8_t> certificate_;
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
                                std::span<const std::uint8_t> certificate, const ProgressCallback& progress,
                                const Sleeper& pause) {
    const auto outcome = Upload(channel, buffers, kind, certificate, progress, pause).Run();
    buffers.Wipe();
    return outcome;
}

}  // namespace lanvane
