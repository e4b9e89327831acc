#include "protocol/AttentionMessage.h"

#include "protocol/LinkMessage.h"

namespace lanvane {

std::array<std::uint8_t, kAttentionMessageSize> AttentionMessage(std::uint8_t selector) {
    return {kLinkPrefixToPrinter[0], kLinkPrefixToPrinter[1], kLinkPrefixToPrinter[2],
            selector, 0x1D, 0x1F, kLinkTerminator};
}

bool IsAttentionReply(std::span<const std::uint8_t> reply) {
    return reply.size() >= 4 && reply[0] == kLinkPrefixFromPrinter[0] &&
           reply[1] == kLinkPrefixFromPrinter[1] && reply[2] == kLinkPrefixFromPrinter[2] &&
           reply[3] == kConfigSelector;
}

}  // namespace lanvane
