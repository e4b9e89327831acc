#include "protocol/AttentionHandshake.h"

#include <algorithm>

#include "protocol/AttentionMessage.h"

namespace lanvane {

bool ExchangeAttention(ByteChannel& channel, std::span<std::uint8_t> buffer) {
    const auto attention = AttentionMessage(kConfigSelector);
    if (channel.Write(attention) != attention.size()) {
        return false;
    }
    std::size_t count = 0;
    if (!channel.ReadReply(ReplyKind::LinkMessage, buffer, count)) {
        return false;
    }
    return IsAttentionReply(buffer.first(std::min(count, buffer.size())));
}

}  // namespace lanvane
