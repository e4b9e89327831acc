#include "protocol/LinkMessageTransfer.h"

#include <algorithm>
#include <iterator>

#include "protocol/Checksums.h"
#include "protocol/LinkMessage.h"

namespace lanvane {

std::size_t PrepareLinkMessage(ExchangeBuffers& buffers, std::span<const std::uint8_t> request) {
    buffers.staging.fill(0);
    const int frameSize = BuildTagFrame(buffers.staging, request);
    if (frameSize < 0) {
        return 0;
    }
    return BuildLinkMessage(std::span(buffers.staging).first(static_cast<std::size_t>(frameSize)),
                            buffers.message);
}

std::optional<ReceivedFrame> ReceiveTagFrame(ByteChannel& channel, ExchangeBuffers& buffers) {
    buffers.reply.fill(0);
    buffers.message.fill(0);
    ReceivedFrame received;
    if (!channel.ReadReply(ReplyKind::LinkMessage, buffers.message, received.messageSize)) {
        return std::nullopt;
    }
    received.messageSize = std::min(received.messageSize, buffers.message.size());
    received.frameSize =
        DecodeLinkMessage(std::span(buffers.message).first(received.messageSize), buffers.reply);
    return received;
}

}  // namespace lanvane
