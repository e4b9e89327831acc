#include "cli/LanCommands.h"

#include "cli/DiscoverCommand.h"
#include "cli/SetIpCommand.h"
#include "cli/WebCommand.h"
#include "lan/BaudTable.h"

#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <vector>

namespace lanvane::cli {
namespace {

void Deliver(const LanCommandResult& result, LanCliSink& sink) {
    sink.out << result.output;
    if (!result.message.empty()) {
        sink.err << result.message << '\n';
    }
    sink.exitCode = result.exitCode;
}

std::vector<int> BaudRates() {
    std::vector<int> rates;
    for (const BaudEntry& entry : kBaudTable) {
        rates.push_back(entry.rate);
    }
    return rates;
}

void AddDiscover(CLI::App& app, LanCliSink& sink) {
    auto options = std::make_shared<LanCommonOptions>();
    CLI::App* command = app.add_subcommand("discover", "search the printers on the LAN and list them");
    AddLanCommonOptions(*command, *options);
    command->callback([options, &sink] { Deliver(RunDiscover(*options, sink.strings), sink); });
}

void AddSetIp(CLI::App& app, LanCliSink& sink) {
    auto options = std::make_shared<SetIpOptions>();
    CLI::App* command = app.add_subcommand("set-ip", "change the network settings of one printer on the LAN");
    AddLanCommonOptions(*command, options->lan);
    command->add_option("--mac", options->mac, "MAC address of the printer, 00:1a:2b:3c:4d:5e")->required();
    command->add_option("--ip", options->ip, "IP address a.b.c.d");
    command->add_option("--mask", options->mask, "subnet mask a.b.c.d");
    command->add_option("--gateway", options->gateway, "default gateway a.b.c.d");
    command->add_option("--dhcp", options->dhcp, "take the address from DHCP: on or off")
        ->transform(CLI::CheckedTransformer(std::map<std::string, bool>{{"on", true}, {"off", false}}));
    command->add_option("--port", options->port, "printing port (0 ~ 32767)");
    command->add_option("--inactivity", options->inactivity, "inactivity time in seconds (0 ~ 3600)");
    command->add_option("--baud", options->baud, "serial rate of the printer")->check(CLI::IsMember(BaudRates()));
    command->callback([options, &sink] { Deliver(RunSetIp(*options, sink.strings), sink); });
}

void AddWeb(CLI::App& app, LanCliSink& sink) {
    auto options = std::make_shared<WebOptions>();
    CLI::App* command = app.add_subcommand("web", "print the web page of one printer on the LAN");
    AddLanCommonOptions(*command, options->lan);
    command->add_option("--mac", options->mac, "MAC address of the printer, 00:1a:2b:3c:4d:5e")->required();
    command->add_flag("--open", options->open, "open the page in the browser");
    command->callback([options, &sink] { Deliver(RunWeb(*options, sink.strings, sink.opener), sink); });
}

}  // namespace

void AddLanCommands(CLI::App& app, LanCliSink& sink) {
    AddDiscover(app, sink);
    AddSetIp(app, sink);
    AddWeb(app, sink);
}

}  // namespace lanvane::cli
