#include "cli/Commands.h"

#include "cli/CliContext.h"
#include "cli/DiscoverCommand.h"
#include "cli/PlanCommand.h"
#include "cli/Reporter.h"
#include "cli/SetIpCommand.h"
#include "cli/WebCommand.h"
#include "lan/core/BaudTable.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace lanvane::cli {
namespace {

// Takes the program's options into the command's and chooses where the search goes, then
// runs the command and reports its result.
void Run(LanCommonOptions& options, CliContext& context, const std::function<LanCommandResult()>& command) {
    Reporter reporter(context);
    options.json = context.json;
    options.timeout = context.timeout;
    options.trace = context.verbose ? &context.err : nullptr;
    if (auto refusal = ChooseSearchTargets(options, ListNetworkInterfaces())) {
        context.exitStatus = reporter.Fail(ErrorKind::Usage, *refusal);
        return;
    }
    if (context.verbose) {
        context.err << "lanvane-cli: searching on " << TargetsText(options.targets) << '\n';
    }
    const LanCommandResult result = command();
    context.exitStatus = result.status;
    if (result.status != ExitStatus::Done && result.output.empty()) {
        reporter.Fail(result.kind, result.message);
        return;
    }
    context.out << result.output;
    if (!result.message.empty()) {
        reporter.Say(result.message);
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
    CLI::App* command = app.add_subcommand(
        "discover", "Search the printers on the LAN and list them by IP address. Without --broadcast or "
                    "--interface the search goes to 255.255.255.255 and to the broadcast address of every "
                    "network interface that is up. Exit 1 when no printer answers.");
    AddLanCommonOptions(*command, *options);
    command->footer("Examples:\n"
                    "  lanvane-cli discover --mode ethernet\n"
                    "  lanvane-cli discover --mode wlan --interface eth0 --timeout 3000\n"
                    "  lanvane-cli discover --mode ethernet --broadcast 192.168.1.255 --json");
    command->callback([options, &context] {
        Run(*options, context, [&] { return RunDiscover(*options, context.strings); });
    });
}

void AddSetIp(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SetIpOptions>();
    auto plan = std::make_shared<PlanOptions>();
    CLI::App* command = app.add_subcommand(
        "set-ip", "Search, then change the network settings of the printer with this MAC address, or of every "
                  "printer a plan lists.");
    AddLanCommonOptions(*command, options->lan);
    CLI::Option* planOption =
        command->add_option("--plan", plan->path,
                            "CSV file, one printer a line: mac,ip,mask,gateway,dhcp,port,inactivity,baud (an empty "
                            "cell keeps the printer's value); - reads the standard input")
            ->type_name("FILE|-");
    command->add_flag("--dry-run", plan->dryRun, "show what the plan would send to whom; send nothing")
        ->needs(planOption);
    command->add_option("--mac", options->mac, "MAC address of the printer")
        ->excludes(planOption)
        ->type_name("00:1b:7e:3c:4d:5e");
    const auto single = [&](CLI::Option* option) { return option->excludes(planOption); };
    single(command->add_option("--ip", options->ip, "IP address"))->type_name("ADDRESS");
    single(command->add_option("--mask", options->mask, "subnet mask"))->type_name("ADDRESS");
    single(command->add_option("--gateway", options->gateway, "default gateway"))->type_name("ADDRESS");
    single(command->add_option("--dhcp", options->dhcp, "take the address from DHCP"))
        ->transform(CLI::CheckedTransformer(std::map<std::string, bool>{{"on", true}, {"off", false}}).description(""))
        ->type_name("on|off");
    single(command->add_option("--port", options->port, "printing port (0 ~ 32767, not 21, 23, 25, 80, 443 or 3318)"))
        ->check(CLI::Range(0, 32767).description(""))
        ->type_name("PORT");
    single(command->add_option("--inactivity", options->inactivity, "inactivity time in seconds (0 ~ 3600)"))
        ->check(CLI::Range(0, 3600).description(""))
        ->type_name("SECONDS");
    single(command->add_option("--baud", options->baud, "serial rate of the printer"))
        ->check(CLI::IsMember(BaudRates()).description(""))
        ->type_name("RATE");
    command->footer("Examples:\n"
                    "  lanvane-cli set-ip --mode ethernet --mac 00:1b:7e:3c:4d:5e --ip 192.168.1.50 "
                    "--mask 255.255.255.0 --dhcp off\n"
                    "  lanvane-cli set-ip --mode wlan --mac 00:1b:7e:3c:4d:5e --dhcp on --json\n"
                    "  lanvane-cli set-ip --mode ethernet --plan site.csv --dry-run\n"
                    "Exit 1 when a printer of a plan was not set; the report says why.");
    command->callback([options, plan, &context] {
        Run(options->lan, context, [&] {
            if (!plan->path.empty()) {
                plan->lan = options->lan;
                return RunSetIpPlan(*plan, context);
            }
            if (options->mac.empty()) {
                return LanCommandResult::Failure(ErrorKind::Usage, "set-ip needs --mac or --plan; see --help");
            }
            return RunSetIp(*options, context.strings);
        });
    });
}

void AddWeb(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<WebOptions>();
    CLI::App* command = app.add_subcommand(
        "web", "Search, then print (or open) the web page of the printer with this MAC address.");
    AddLanCommonOptions(*command, options->lan);
    command->add_option("--mac", options->mac, "MAC address of the printer")->required()->type_name("00:1b:7e:3c:4d:5e");
    command->add_flag("--open", options->open, "open the page in the browser");
    command->footer("Examples:\n"
                    "  lanvane-cli web --mode ethernet --mac 00:1b:7e:3c:4d:5e\n"
                    "  lanvane-cli web --mode wlan --mac 00:1b:7e:3c:4d:5e --open");
    command->callback([options, &context] {
        Run(options->lan, context, [&] { return RunWeb(*options, context.openUrl); });
    });
}

}  // namespace

void AddLanCommands(CLI::App& app, CliContext& context) {
    AddDiscover(app, context);
    AddSetIp(app, context);
    AddWeb(app, context);
}

}  // namespace lanvane::cli
