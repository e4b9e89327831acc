#pragma once

#include "lan/core/DiscoveryDatagrams.h"
#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanMode.h"

#include <cstdint>
#include <set>
#include <span>

namespace lanvane {

// Gathers the replies of one search into the device list of its mode, one entry per MAC
// address: a printer whose reply reaches the program twice (two interfaces, a repeated
// broadcast) is listed once, with its first reply.
class DiscoveryCollector {
public:
    DiscoveryCollector(LanMode mode, LanDeviceLists& lists) : mode_(mode), lists_(lists) {}

    // A new search starts from an empty list of its mode.
    void Begin();
    // Appends the record of a reply from a printer not listed yet; tells what the
    // datagram meant (a repeated MAC is Ignored).
    DiscoveryVerdict Take(std::span<const std::uint8_t> datagram);

private:
    LanMode mode_;
    LanDeviceLists& lists_;
    std::set<MacAddress> seen_;
};

}  // namespace lanvane
