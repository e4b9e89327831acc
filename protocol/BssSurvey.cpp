#include "protocol/BssSurvey.h"

#include <algorithm>
#include <array>
#include <span>

#include "protocol/AttentionHandshake.h"
#include "protocol/BssReplyParser.h"
#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"
#include "protocol/LinkMessageTransfer.h"

namespace lanvane {
namespace {

constexpr int kReceiveAttempts = 7;
constexpr int kProgressAfterRequest = 12;
constexpr int kProgressPerEmptyAttempt = 12;
constexpr int kProgressWhileReading = 25;
constexpr int kProgressDone = 100;

// The receive buffer holds one byte more than a receive may bring, so it always ends in 0.
constexpr std::size_t kTcpReceiveBufferSize = StreamLink::kReceiveLimit + 1;

// A raw tag frame carries no end of its own: it is whole once its tag has come and its
// checksum holds.
bool WholeFrame(std::span<const std::uint8_t> data) {
    return data.size() >= kTagLength && Checksum16(data) == 0;
}

// Receives until the reply's frame is whole. Each attempt is one receive; until data comes
// an empty one moves the progress on, after that an empty one ends the reply as it is.
std::size_t ReceiveReply(StreamLink& link, std::span<std::uint8_t, kTcpReceiveBufferSize> buffer,
                         const ProgressCallback& progress) {
    const auto receivable = buffer.first(StreamLink::kReceiveLimit);
    std::size_t size = 0;
    for (int attempt = 1; attempt <= kReceiveAttempts && size < receivable.size(); ++attempt) {
        const long received = link.Receive(receivable.subspan(size));
        if (received > 0) {
            size += std::min(static_cast<std::size_t>(received), receivable.size() - size);
            if (WholeFrame(receivable.first(size))) {
                break;
            }
        } else if (size > 0) {
            break;
        } else {
            ReportProgress(progress, kProgressAfterRequest + attempt * kProgressPerEmptyAttempt);
        }
    }
    return size;
}

}  // namespace

BssOutcome RequestBssOverTcp(StreamLink& link, BssTable& table,
                             const ProgressCallback& progress) {
    if (!link.Connect()) {
        return BssOutcome::ConnectFailed;
    }
    std::array<std::uint8_t, kTagLength + 3> request{};
    const int requestSize = BuildTagFrame(request, TagBytes(tag::kBssReq));
    if (requestSize < 0) {
        return BssOutcome::FrameBuildFailed;
    }
    link.Send(std::span(request).first(static_cast<std::size_t>(requestSize)));
    ReportProgress(progress, 0);
    ReportProgress(progress, kProgressAfterRequest);

    std::array<std::uint8_t, kTcpReceiveBufferSize> reply{};
    const std::size_t received = ReceiveReply(link, reply, progress);
    ReportProgress(progress, kProgressDone);
    if (received == 0) {
        return BssOutcome::NoReply;
    }
    return ParseBssReply(std::span(reply).first(received), table);
}

BssOutcome RequestBssOverPort(ByteChannel& channel, ExchangeBuffers& buffers, BssTable& table,
                              const ProgressCallback& progress) {
    if (!ExchangeAttention(channel, buffers.reply)) {
        return BssOutcome::AttentionRefused;
    }
    const auto size = PrepareLinkMessage(buffers, TagBytes(tag::kBssReq));
    if (size == 0) {
        return BssOutcome::FrameBuildFailed;
    }
    channel.Write(std::span(buffers.message).first(size));
    ReportProgress(progress, kProgressWhileReading);
    const auto received = ReceiveTagFrame(channel, buffers);
    if (!received) {
        return BssOutcome::NoReply;
    }
    ReportProgress(progress, kProgressDone);
    return ParseBssReply(std::span(buffers.reply).first(received->frameSize), table);
}

}  // namespace lanvane
