#pragma once

#include "lan/core/LanMode.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lanvane {

// What one datagram means to a running search.
enum class DiscoveryVerdict {
    Ignored,     // another header, or an Ethernet datagram too short to count
    Device,      // a reply: its body is a device record
    EndsSearch,  // a WLAN datagram shorter than 19 bytes ends the search at once
};

// Shortest datagram of each mode that may be a reply: the header plus one byte.
constexpr std::size_t kEthernetReplyMinimum = 5;
constexpr std::size_t kWlanReplyMinimum = 19;

// The request broadcast once per search: "FIND", or "__[I_F]__[PRT_REG]".
std::vector<std::uint8_t> DiscoveryRequest(LanMode mode);

DiscoveryVerdict ClassifyDiscoveryReply(LanMode mode, std::span<const std::uint8_t> datagram);

// The bytes after the reply header: the device record, short when the reply was short.
std::span<const std::uint8_t> DiscoveryReplyBody(LanMode mode, std::span<const std::uint8_t> datagram);

}  // namespace lanvane
