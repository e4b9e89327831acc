#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lanvane {

// One received datagram. The LAN replies need only their first 47 bytes, so a longer
// datagram is cut to the buffer rather than dropped.
struct UdpDatagram {
    static constexpr std::size_t kCapacity = 512;

    std::array<std::uint8_t, kCapacity> bytes{};
    std::size_t length = 0;  // bytes kept, at most kCapacity
    bool truncated = false;  // the datagram was longer than kCapacity
    std::string senderAddress;
    std::uint16_t senderPort = 0;

    std::span<const std::uint8_t> View() const { return {bytes.data(), length}; }
};

}  // namespace lanvane
