#pragma once

#include <array>
#include <cstdint>

namespace lanvane::sim {

enum class LanKind { Ethernet, Wlan };

// What a printer's LAN interface reports in its discovery reply, and what a set datagram
// changes. Addresses hold the first octet in the high byte.
struct LanPrinterSettings {
    LanKind kind = LanKind::Ethernet;
    std::array<std::uint8_t, 6> mac{};
    std::uint32_t ip = 0;
    std::uint32_t subnet = 0;
    std::uint32_t gateway = 0;
    std::uint16_t port = 9100;
    std::uint8_t baudCode = 0xFF;
    std::uint8_t fwMajor = 1;
    std::uint8_t fwMinor = 0;
    bool dhcp = false;
    std::uint16_t inactivity = 0;
    bool https = false;
    std::uint8_t featureCode = 0;  // wireless printers only
    std::uint8_t reserved = 0;     // wireless printers only

    bool operator==(const LanPrinterSettings&) const = default;
};

// The printer numbered `index` (1 to 65535) of its kind: its own MAC, 00:1a:2b:e0 (Ethernet)
// or 00:1a:2b:b0 (wireless) and the index in two bytes, and its own loopback address,
// 127.H.10.L for Ethernet and 127.H.20.L for wireless printers (H and L the index's high
// and low byte: 127.0.10.1 for the first), so that a program on the same machine reaches
// it. Wireless printers offer every action (feature code 31).
LanPrinterSettings DefaultLanPrinter(LanKind kind, int index);

}  // namespace lanvane::sim
