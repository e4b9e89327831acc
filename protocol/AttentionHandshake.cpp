#include "protocol/AttentionHandshake.h"

#include "protocol/Framing.h"

namespace lanvane {

bool ExchangeAttention(ByteChannel& channel, std::uint8_t* buffer, std::size_t capacity) {
    const auto attention = AttentionMessage(kConfigSelector);
    if (channel.Write(attention.data(), attention.size()) != attention.size()) {
        return false;
    }
    std::size_t count = 0;
    if (!channel.ReadReply(ReplyKind::LinkMessage, buffer, capacity, count)) {
        return false;
    }
    return IsAttentionReply(buffer, count);
}

}  // namespace lanvane
