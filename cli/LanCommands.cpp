#include "cli/Commands.h"

#include "cli/CliContext.h"
#include "cli/DiscoverCommand.h"
#include "cli/Reporter.h"
#include "cli/SetIpCommand.h"
#include "cli/WebCommand.h"
#include "lan/core/BaudTable.h"

#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <vector>

namespace lanvane::cli {
namespace {

void Deliver(const LanCommandResult& result, bool json, CliContext& context) {
    Reporter reporter(context, json);
    context.exitStatus = result.status;
    if (result.status != ExitStatus::Done && result.output.empty()) {
        reporter.Fail(result.status, result.message);
        return;
    }
    context.out << result.output;
    if (!result.message.empty()) {
        context.err << result.message << '\n';
    }
}

std::vector<int> BaudRates() {
    std::vector<int> rates;
    for (const BaudEntry& entry : kBaudTable) {
        rates.push_back(entry.rate);
    }
    return rates;
}

void AddDiscover(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<LanCommonOptions>();
    CLI::App* command = app.add_subcommand("discover", "Search the printers on the LAN and list them.");
    AddLanCommonOptions(*command, *options);
    command->callback(
        [options, &context] { Deliver(RunDiscover(*options, context.strings), options->json, context); });
}

void AddSetIp(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SetIpOptions>();
    CLI::App* command = app.add_subcommand(
        "set-ip", "Search, then change the network settings of the printer with this MAC address.");
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
    command->callback(
        [options, &context] { Deliver(RunSetIp(*options, context.strings), options->lan.json, context); });
}

void AddWeb(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<WebOptions>();
    CLI::App* command = app.add_subcommand(
        "web", "Search, then print (or open) the web page of the printer with this MAC address.");
    AddLanCommonOptions(*command, options->lan);
    command->add_option("--mac", options->mac, "MAC address of the printer, 00:1a:2b:3c:4d:5e")->required();
    command->add_flag("--open", options->open, "open the page in the browser");
    command->callback([options, &context] {
        Deliver(RunWeb(*options, context.strings, context.openUrl), options->lan.json, context);
    });
}

}  // namespace

void AddLanCommands(CLI::App& app, CliContext& context) {
    AddDiscover(app, context);
    AddSetIp(app, context);
    AddWeb(app, context);
}

}  // namespace lanvane::cli
