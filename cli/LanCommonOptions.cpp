#include "cli/LanCommonOptions.h"

#include <CLI/CLI.hpp>

#include <map>

namespace lanvane::cli {

LanNetworkOptions LanCommonOptions::Network() const {
    LanNetworkOptions network;
    network.broadcastAddress = broadcast;
    LanEndpoint& endpoint = network.For(mode);
    endpoint.printerPort = printerPort.value_or(endpoint.printerPort);
    endpoint.localPort = localPort.value_or(endpoint.localPort);
    return network;
}

LanTimings LanCommonOptions::Timings() const {
    LanTimings timings;
    if (searchMs) {
        timings.searchDuration = std::chrono::milliseconds(*searchMs);
    }
    if (confirmationMs) {
        timings.ethernetConfirmationWait = std::chrono::milliseconds(*confirmationMs);
        timings.wlanConfirmationWait = std::chrono::milliseconds(*confirmationMs);
    }
    return timings;
}

void AddLanCommonOptions(CLI::App& command, LanCommonOptions& options) {
    const std::map<std::string, LanMode> modes = {{"ethernet", LanMode::Ethernet}, {"wlan", LanMode::Wlan}};
    command.add_option("--mode", options.mode, "ethernet or wlan")
        ->required()
        ->transform(CLI::CheckedTransformer(modes, CLI::ignore_case));
    command.add_option("--broadcast", options.broadcast, "broadcast address of the search and the setting")
        ->capture_default_str();
    command.add_flag("--json", options.json, "print one JSON document");
    command.add_option("--printer-port", options.printerPort, "UDP port of the printers")->group("");
    command.add_option("--local-port", options.localPort, "UDP port of this program (0: any free port)")->group("");
    command.add_option("--search-ms", options.searchMs, "how long a search gathers replies")
        ->check(CLI::Range(0, 60000))
        ->group("");
    command.add_option("--confirm-ms", options.confirmationMs, "how long a setting waits for its confirmation")
        ->check(CLI::Range(0, 60000))
        ->group("");
}

}  // namespace lanvane::cli
