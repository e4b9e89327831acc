#pragma once

#include "lan/core/LanMode.h"
#include "lan/core/LanNetworkOptions.h"
#include "lan/core/LanTimings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lanvane::cli {

// The options every LAN command takes: the mode, where the broadcast goes, and, hidden
// from the help, other ports and shorter waits for tests.
struct LanCommonOptions {
    LanMode mode = LanMode::Ethernet;
    std::string broadcast = LanNetworkOptions::kLimitedBroadcast;
    std::optional<std::uint16_t> printerPort;
    std::optional<std::uint16_t> localPort;  // 0: a free port of the system's choice
    std::optional<int> searchMs;
    std::optional<int> confirmationMs;
    bool json = false;

    LanNetworkOptions Network() const;
    LanTimings Timings() const;
};

// Adds --mode (required), --broadcast, --json and the hidden test options to a command.
void AddLanCommonOptions(CLI::App& command, LanCommonOptions& options);

}  // namespace lanvane::cli
