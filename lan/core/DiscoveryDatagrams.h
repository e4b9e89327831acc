#pragma once

#include "lan/core/LanMode.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lanvane {

// What one datagram means to a running search. No datagram ends a search: anyone on the
// network can send one.
enum class DiscoveryVerdict {
    Ignored,    // another header
    Device,     // a whole reply: its body is a device record
    Truncated,  // a reply cut short, its header (or the start of it) without the whole record
};

// The request broadcast once per search: "FIND", or "__[I_F]__[PRT_REG]".
std::vector<std::uint8_t> DiscoveryRequest(LanMode mode);

// The length of a whole reply of the mode: its header and the whole record. Longer replies
// are taken, the bytes beyond the record ignored.
std::size_t DiscoveryReplySize(LanMode mode);

DiscoveryVerdict ClassifyDiscoveryReply(LanMode mode, std::span<const std::uint8_t> datagram);

// The bytes after the reply header: the device record, short when the reply was short.
std::span<const std::uint8_t> DiscoveryReplyBody(LanMode mode, std::span<const std::uint8_t> datagram);

}  // namespace lanvane
