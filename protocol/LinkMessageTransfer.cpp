#include "protocol/LinkMessageTransfer.h"

#include <algorithm>
#include <iterator>

#include "protocol/Framing.h"

namespace lanvane {

std::size_t PrepareLinkMessage(ExchangeBuffers& buffers, const std::uint8_t* source,
                               std::size_t length) {
    if (length + 3 > kStagingBufferSize) {
        return 0;
    }
    std::fill(std::begin(buffers.staging), std::end(buffers.staging), std::uint8_t{0});
    const int frameSize = BuildTagFrame(buffers.staging, source, length);
    if (frameSize < 0) {
        return 0;
    }
    return BuildLinkMessage(buffers.staging, static_cast<std::size_t>(frameSize),
                            buffers.message);
}

std::optional<ReceivedFrame> ReceiveTagFrame(ByteChannel& channel, ExchangeBuffers& buffers) {
    std::fill(std::begin(buffers.reply), std::end(buffers.reply), std::uint8_t{0});
    std::fill(std::begin(buffers.message), std::end(buffers.message), std::uint8_t{0});
    ReceivedFrame received;
    if (!channel.ReadReply(ReplyKind::LinkMessage, buffers.message, sizeof buffers.message,
                           received.messageSize)) {
        return std::nullopt;
    }
    received.messageSize = std::min(received.messageSize, sizeof buffers.message);
    received.frameSize = DecodeLinkMessage(buffers.message, received.messageSize,
                                           buffers.reply, sizeof buffers.reply);
    return received;
}

}  // namespace lanvane
