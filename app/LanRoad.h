#pragma once

#include <cstdint>

#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanNetworkOptions.h"
#include "lan/core/LanTimings.h"
#include "link/TcpLink.h"
#include "link/TcpTimings.h"

namespace lanvane {

// What the LAN road keeps for the whole run: the two device lists that the windows share
// between searches, where the datagrams and the BSS surveys go, and the waits. The
// defaults are the printers'; the scenario runner and the demo point them at simulated
// printers on the loopback network.
struct LanRoad {
    LanDeviceLists lists;
    LanNetworkOptions network;
    LanTimings timings;
    TcpTimings surveyTimings;
    std::uint16_t surveyPort = CTcpLink::kPrinterPort;
};

}  // namespace lanvane
