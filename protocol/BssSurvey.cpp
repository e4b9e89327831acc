#include "protocol/BssSurvey.h"

#include <algorithm>
#include <iterator>

#include "protocol/AttentionHandshake.h"
#include "protocol/BssReplyParser.h"
#include "protocol/Framing.h"
#include "protocol/LinkMessageTransfer.h"
#include "protocol/TagBytes.h"

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
bool WholeFrame(const std::uint8_t* data, std::size_t size) {
    return size >= kTagLength && Checksum16(data, size) == 0;
}

// Receives until the reply's frame is whole. Each attempt is one receive; until data comes
// an empty one moves the progress on, after that an empty one ends the reply as it is.
std::size_t ReceiveReply(StreamLink& link, std::uint8_t (&buffer)[kTcpReceiveBufferSize],
                         const ProgressCallback& progress) {
    std::size_t size = 0;
    for (int attempt = 1; attempt <= kReceiveAttempts && size < StreamLink::kReceiveLimit; ++attempt) {
        const long received = link.Receive(buffer + size, StreamLink::kReceiveLimit - size);
        if (received > 0) {
            size += std::min(static_cast<std::size_t>(received), StreamLink::kReceiveLimit - size);
            if (WholeFrame(buffer, size)) {
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
    std::uint8_t request[kTagLength + 3]{};
    const int requestSize = BuildTagFrame(request, TagBytes(tag::kBssReq), kTagLength);
    if (requestSize < 0) {
        return BssOutcome::FrameBuildFailed;
    }
    link.Send(request, static_cast<std::size_t>(requestSize));
    ReportProgress(progress, 0);
    ReportProgress(progress, kProgressAfterRequest);

    std::uint8_t reply[kTcpReceiveBufferSize]{};
    const std::size_t received = ReceiveReply(link, reply, progress);
    ReportProgress(progress, kProgressDone);
    if (received == 0) {
        return BssOutcome::NoReply;
    }
    return ParseBssReply(reply, received, table);
}

BssOutcome RequestBssOverPort(ByteChannel& channel, ExchangeBuffers& buffers, BssTable& table,
                              const ProgressCallback& progress) {
    if (!ExchangeAttention(channel, buffers.reply, sizeof buffers.reply)) {
        return BssOutcome::AttentionRefused;
    }
    const auto size = PrepareLinkMessage(buffers, TagBytes(tag::kBssReq), kTagLength);
    if (size == 0) {
        return BssOutcome::FrameBuildFailed;
    }
    channel.Write(buffers.message, size);
    ReportProgress(progress, kProgressWhileReading);
    const auto received = ReceiveTagFrame(channel, buffers);
    if (!received) {
        return BssOutcome::NoReply;
    }
    ReportProgress(progress, kProgressDone);
    return ParseBssReply(buffers.reply, received->frameSize, table);
}

}  // namespace lanvane
