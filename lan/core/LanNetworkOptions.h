#pragma once

#include "lan/core/LanMode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lanvane {

// The ports of one mode: where the printers listen, and where this program sends from and
// receives their replies.
struct LanEndpoint {
    std::uint16_t printerPort = 0;
    std::uint16_t localPort = 0;
};

// Where the LAN datagrams go. The defaults are the printers'; tests and the demo point them
// at the loopback broadcast and at ports of their own.
struct LanNetworkOptions {
    static constexpr const char* kLimitedBroadcast = "255.255.255.255";

    std::string broadcastAddress = kLimitedBroadcast;
    // Where a search broadcasts as well: the directed broadcasts of the machine's
    // interfaces, which reach printers that a limited broadcast does not.
    std::vector<std::string> moreSearchAddresses;
    LanEndpoint ethernet{48781, 48780};
    LanEndpoint wlan{3337, 9000};

    const LanEndpoint& For(LanMode mode) const { return mode == LanMode::Ethernet ? ethernet : wlan; }
    LanEndpoint& For(LanMode mode) { return mode == LanMode::Ethernet ? ethernet : wlan; }
};

}  // namespace lanvane
