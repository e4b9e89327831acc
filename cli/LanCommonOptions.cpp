#include "cli/LanCommonOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>

namespace lanvane::cli {

LanNetworkOptions LanCommonOptions::Network() const {
    LanNetworkOptions network;
    if (!targets.empty()) {
        network.broadcastAddress = targets.front().address;
        for (auto target = targets.begin() + 1; target != targets.end(); ++target) {
            network.moreSearchAddresses.push_back(target->address);
        }
    }
    LanEndpoint& endpoint = network.For(mode);
    endpoint.printerPort = printerPort.value_or(endpoint.printerPort);
    endpoint.localPort = localPort.value_or(endpoint.localPort);
    return network;
}

LanTimings LanCommonOptions::Timings() const {
    LanTimings timings;
    if (timeout) {
        timings.searchDuration = *timeout;
        timings.ethernetConfirmationWait = *timeout;
        timings.wlanConfirmationWait = *timeout;
    }
    if (confirmationMs) {
        timings.ethernetConfirmationWait = std::chrono::milliseconds(*confirmationMs);
        timings.wlanConfirmationWait = std::chrono::milliseconds(*confirmationMs);
    }
    return timings;
}

void AddLanCommonOptions(CLI::App& command, LanCommonOptions& options) {
    const std::map<std::string, LanMode> modes = {{"ethernet", LanMode::Ethernet}, {"wlan", LanMode::Wlan}};
    command.add_option("--mode", options.mode, "the printers' interface")
        ->required()
        ->transform(CLI::CheckedTransformer(modes, CLI::ignore_case).description(""))
        ->type_name("ethernet|wlan");
    CLI::Option* broadcast =
        command.add_option("--broadcast", options.broadcast, "send to this broadcast address alone")
            ->check(CLI::ValidIPV4.description(""))
            ->type_name("ADDRESS");
    command.add_option("--interface", options.interfaceName, "search on this network interface's broadcast address")
        ->excludes(broadcast)
        ->type_name("NAME");
    command.add_option("--printer-port", options.printerPort, "UDP port of the printers")->group("");
    command.add_option("--local-port", options.localPort, "UDP port of this program (0: any free port)")->group("");
    command.add_option("--confirm-ms", options.confirmationMs, "how long a setting waits for its confirmation")
        ->check(CLI::Range(0, 60000))
        ->group("");
}

std::optional<std::string> ChooseSearchTargets(LanCommonOptions& options,
                                               const std::vector<NetworkInterface>& interfaces) {
    options.targets.clear();
    if (options.broadcast) {
        options.targets.push_back({*options.broadcast, {}});
        return std::nullopt;
    }
    if (options.interfaceName) {
        const auto found = std::find_if(interfaces.begin(), interfaces.end(), [&](const NetworkInterface& i) {
            return i.name == *options.interfaceName && !i.broadcast.empty();
        });
        if (found == interfaces.end()) {
            return "--interface " + *options.interfaceName + ": no such interface with an IPv4 broadcast address";
        }
        options.targets.push_back({found->broadcast, found->name});
        return std::nullopt;
    }
    options.targets.push_back({LanNetworkOptions::kLimitedBroadcast, {}});
    for (const NetworkInterface& interface : interfaces) {
        if (interface.up && !interface.broadcast.empty()) {
            options.targets.push_back({interface.broadcast, interface.name});
        }
    }
    return std::nullopt;
}

std::string TargetsText(const std::vector<SearchTarget>& targets) {
    std::string text;
    for (const SearchTarget& target : targets) {
        text += (text.empty() ? "" : ", ") + target.address;
        if (!target.interfaceName.empty()) {
            text += " (" + target.interfaceName + ")";
        }
    }
    return text;
}

}  // namespace lanvane::cli
