#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/FaultPlan.h"
#include "sim/main/LanSimOptions.h"

namespace lanvane::sim {

// What the command line asks of the simulated printer.
struct SimOptions {
    int layout = 1;
    std::string makerName;
    std::string linkPath;
    bool serveBss = true;
    std::string bssAddress = "127.0.0.1";
    std::uint16_t bssPort = 3318;
    FaultPlan faults;
    std::string dumpPath;
    int paceBaud = 0;  // 0: the channel goes as fast as it can
    LanSimOptions lan;
};

// Fills `options` from the command line; returns an exit code when the program should end
// at once (help shown, or a bad option).
std::optional<int> ParseSimOptions(int argc, char** argv, SimOptions& options);

}  // namespace lanvane::sim
