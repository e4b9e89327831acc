#pragma once

#include "lan/core/LanMode.h"

#include <chrono>

namespace lanvane {

// The waits of the LAN road. The defaults are the printers'; tests shorten them.
struct LanTimings {
    // How long a search gathers replies: eleven ticks of 100 ms.
    std::chrono::milliseconds searchDuration{1100};
    // How long a set datagram waits for its confirmation.
    std::chrono::milliseconds ethernetConfirmationWait{10000};
    std::chrono::milliseconds wlanConfirmationWait{1000};
    // How long the device list waits after a setting before it searches again, so that
    // the printer has taken its new settings.
    std::chrono::milliseconds ethernetSettleWait{3000};
    std::chrono::milliseconds wlanSettleWait{1000};

    std::chrono::milliseconds ConfirmationWait(LanMode mode) const {
        return mode == LanMode::Ethernet ? ethernetConfirmationWait : wlanConfirmationWait;
    }
    std::chrono::milliseconds SettleWait(LanMode mode) const {
        return mode == LanMode::Ethernet ? ethernetSettleWait : wlanSettleWait;
    }
};

}  // namespace lanvane
