#pragma once

#include "lan/core/DiscoveryCollector.h"
#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanSocket.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace lanvane {

// One search: the mode's list is emptied, the request is broadcast once, and every whole
// reply that arrives, from any address, is appended to the list. The search window drives
// it from its event loop; RunSearch drives it without windows.
class LanSearch {
public:
    LanSearch(LanMode mode, const LanNetworkOptions& network, LanDeviceLists& lists);

    // Empties the list, opens the socket and broadcasts the request to the broadcast
    // address and the further search addresses. Anything but Ok means that no printer can
    // answer: the socket could not be bound or the request went nowhere.
    UdpResult Start();
    // Handles one waiting datagram; nothing when none was waiting.
    std::optional<DiscoveryVerdict> TakeOne();

    NativeSocket Fd() const { return socket_.Fd(); }
    LanSocket& Socket() { return socket_; }
    // What this search took and dropped.
    const DiscoveryCollector& Collector() const { return collector_; }

private:
    LanSocket socket_;
    DiscoveryCollector collector_;
    std::vector<std::string> moreAddresses_;
};

// Runs a search for the whole of `duration`.
UdpResult RunSearch(LanSearch& search, std::chrono::milliseconds duration);

}  // namespace lanvane
