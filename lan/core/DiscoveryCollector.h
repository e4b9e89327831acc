#pragma once

#include "lan/core/DiscoveryDatagrams.h"
#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanMode.h"

#include <cstdint>
#include <span>

namespace lanvane {

// Gathers the replies of one search into the device list of its mode. Replies are not
// de-duplicated: a printer that answers twice is listed twice.
class DiscoveryCollector {
public:
    DiscoveryCollector(LanMode mode, LanDeviceLists& lists) : mode_(mode), lists_(lists) {}

    // A new search starts from an empty list of its mode.
    void Begin() { lists_.Clear(mode_); }
    // Appends the record of a reply; tells what the datagram meant.
    DiscoveryVerdict Take(std::span<const std::uint8_t> datagram);

private:
    LanMode mode_;
    LanDeviceLists& lists_;
};

}  // namespace lanvane
