#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "sim/LanFaultPlan.h"
#include "sim/LanWire.h"

namespace lanvane::sim {

// The simulated printers on the LAN: how many of each kind, their ports and their faults.
struct LanSimOptions {
    int ethernetPrinters = 0;
    int wlanPrinters = 0;
    std::uint16_t ethernetPort = lan_wire::kEthernetListenPort;
    std::uint16_t wlanPort = lan_wire::kWlanListenPort;
    std::uint16_t replyPort = 0;  // 0: the sender's port
    LanFaultPlan faults;
};

// Adds the LAN options to the command line; Finish applies what they gave after parsing.
class LanOptionParser {
public:
    void AddTo(CLI::App& app, LanSimOptions& options);
    void Finish(LanSimOptions& options) const;

private:
    int delayMs_ = 0;
    int shortenTo_ = -1;
    std::vector<std::string> faults_;
};

}  // namespace lanvane::sim
