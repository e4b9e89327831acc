#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CheckedOutput.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ProgramArguments.h"
#include "cli/StandardStreams.h"
#include "cli/Terminal.h"
#include "link/InterruptRelease.h"
#include "LanvaneVersion.h"

namespace {

constexpr const char* kExitCodes =
    "Exit codes:\n"
    "  0  done\n"
    "  1  the printer failed: no reply, another maker's printer, a damaged or refused answer;\n"
    "     or no printer answered a LAN search\n"
    "  2  bad usage: options, input files, or a value the record rules refuse (nothing written)\n"
    "  3  the device cannot be used: not found, busy, permission denied, line not ready,\n"
    "     not a printer device; or the network cannot be used; or the standard output\n"
    "     cannot be written (a full disk, a closed output)\n"
    "  4  a fault of lanvane-cli itself\n"
    "  129, 130, 143  ended by SIGHUP, SIGINT, SIGTERM (the device released)\n"
    "See docs/cli.md for the JSON documents.\n";

constexpr const char* kCommonOptions =
    "Every command also takes --json, -q, -v, --show-secrets and --timeout MS (see lanvane-cli --help).";

// The results reach their file only once the standard output is closed without a fault;
// a command that did its work but could not report it has not succeeded.
int CloseOutput(int status, lanvane::cli::CheckedOutput& output) {
    if (output.Close()) {
        return status;
    }
    std::cerr << "lanvane-cli: cannot write the standard output: " << output.Failure().value_or("") << '\n';
    return status == 0 ? static_cast<int>(lanvane::cli::ExitStatus::NoDevice) : status;
}

int Run(int argc, char** argv) {
    using namespace lanvane::cli;
    const bool outputClosed = HoldClosedStandardStreams();
    lanvane::ReleaseDevicesOnInterrupt("lanvane-cli");
    CheckedOutput checkedOutput(stdout);
    if (outputClosed) {
        checkedOutput.MarkClosed();
    }
    std::ostream output(&checkedOutput);
    CliContext context(std::cin, output, std::cerr);
    CLI::App app{"Configure the network interface of a printer over USB, a serial line or the LAN."};
    app.name("lanvane-cli");
    app.set_version_flag("--version", std::string("lanvane-cli ") + lanvane::kLanvaneVersion);
    app.require_subcommand(1);
    app.footer(kExitCodes);
    AddCommonOptions(app, context);

    AddPortsCommand(app, context);
    AddFieldsCommand(app, context);
    AddReadCommand(app, context);
    AddWriteCommand(app, context);
    AddBssCommand(app, context);
    AddCertCommand(app, context);
    AddDiffCommand(app, context);
    AddLanCommands(app, context);
    for (CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        command->footer(command->get_footer() + "\n" + kCommonOptions);
    }

    ShowUtf8Output();
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    std::vector<const char*> argumentTexts;
    for (const std::string& argument : arguments) {
        argumentTexts.push_back(argument.c_str());
    }
    return CloseOutput(RunCli(app, static_cast<int>(argumentTexts.size()), argumentTexts.data(), context),
                       checkedOutput);
}

}  // namespace

int main(int argc, char** argv) {
    // RunCli reports every failure itself; this catches what escapes before it runs.
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "lanvane-cli: internal error: " << error.what() << '\n';
        return static_cast<int>(lanvane::cli::ExitStatus::Internal);
    }
}
