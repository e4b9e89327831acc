#pragma once

#include "cli/NetworkInterfaces.h"
#include "lan/core/LanMode.h"
#include "lan/core/LanNetworkOptions.h"
#include "lan/core/LanTimings.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lanvane::cli {

// One address a search broadcasts to, and the interface it belongs to (empty for the
// limited broadcast or an address given with --broadcast).
struct SearchTarget {
    std::string address;
    std::string interfaceName;
};

// The options every LAN command takes: the mode, where the broadcast goes, and, hidden
// from the help, other ports and shorter waits for tests.
struct LanCommonOptions {
    LanMode mode = LanMode::Ethernet;
    std::optional<std::string> broadcast;
    std::optional<std::string> interfaceName;
    std::optional<std::uint16_t> printerPort;
    std::optional<std::uint16_t> localPort;  // 0: a free port of the system's choice
    std::optional<int> confirmationMs;
    std::optional<std::chrono::milliseconds> timeout;  // --timeout of the program
    bool json = false;                                 // --json of the program
    std::ostream* trace = nullptr;                     // where -v tells what a search dropped
    std::vector<SearchTarget> targets;                 // set by ChooseSearchTargets

    LanNetworkOptions Network() const;
    LanTimings Timings() const;
};

// Adds --mode (required), --broadcast, --interface and the hidden test options.
void AddLanCommonOptions(CLI::App& command, LanCommonOptions& options);

// Where the search goes: the --broadcast address alone; the broadcast address of the
// --interface; or, with neither, the limited broadcast and the directed broadcast of every
// up interface that has one. A refusal when the named interface has no broadcast address.
std::optional<std::string> ChooseSearchTargets(LanCommonOptions& options,
                                               const std::vector<NetworkInterface>& interfaces);

// "127.255.255.255, 192.168.1.255 (eth0)": where a search went.
std::string TargetsText(const std::vector<SearchTarget>& targets);

}  // namespace lanvane::cli
