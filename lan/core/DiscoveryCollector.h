#pragma once

#include "lan/core/DiscoveryDatagrams.h"
#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanMode.h"

#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace lanvane {

// Two printers that answered one search with the same MAC address, told apart by their
// addresses: only the first is listed.
struct SharedMac {
    MacAddress mac{};
    std::uint32_t listedIp = 0;
    std::uint32_t otherIp = 0;
};

// Gathers the replies of one search into the device list of its mode, one entry per MAC
// address: a printer whose reply reaches the program twice (two interfaces, a repeated
// broadcast) is listed once, with its first reply. A reply with a listed MAC but another
// address comes from a second printer; it is kept among SharedMacs, so that it can be told.
class DiscoveryCollector {
public:
    DiscoveryCollector(LanMode mode, LanDeviceLists& lists) : mode_(mode), lists_(lists) {}

    // A new search starts from an empty list of its mode.
    void Begin();
    // Appends the record of a reply from a printer not listed yet; tells what the
    // datagram meant (a repeated MAC is Ignored).
    DiscoveryVerdict Take(std::span<const std::uint8_t> datagram);
    const std::vector<SharedMac>& SharedMacs() const { return sharedMacs_; }

private:
    // True when the record's MAC is new to this search.
    bool FirstOfItsMac(const DeviceRecord& record);

    LanMode mode_;
    LanDeviceLists& lists_;
    std::map<MacAddress, std::uint32_t> listedIpOf_;
    std::vector<SharedMac> sharedMacs_;
};

}  // namespace lanvane
