#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "link/InterruptRelease.h"

int main(int argc, char** argv) {
    using namespace lanvane::cli;
    lanvane::ReleaseDevicesOnInterrupt("lanvane-cli");
    CliContext context(std::cout, std::cerr);
    CLI::App app{"Configure the network interface of a printer over USB, a serial line or the LAN."};
    app.name("lanvane-cli");
    app.require_subcommand(1);
    AddHiddenTestOptions(app, context);

    AddPortsCommand(app, context);
    AddReadCommand(app, context);
    AddWriteCommand(app, context);
    AddBssCommand(app, context);
    AddCertCommand(app, context);
    AddLanCommands(app, context);

    return RunCli(app, argc, argv, context);
}
