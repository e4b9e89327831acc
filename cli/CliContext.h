#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>

#include "cli/ExitStatus.h"
#include "cli/UrlOpener.h"
#include "link/PrinterPort.h"
#include "link/TcpLink.h"
#include "resources/StringTable.h"

namespace CLI {
class App;
}

namespace lanvane::cli {

// What every command shares: where its output goes, the texts it shows, the waits and
// places of the devices, and the status the program ends with.
struct CliContext {
    CliContext(std::ostream& output, std::ostream& messages) : out(output), err(messages) {}

    std::ostream& out;  // results: text or one JSON document
    std::ostream& err;  // messages to the user
    const StringTable& strings = EnglishStringTable();
    PortTimings portTimings;
    std::uint16_t surveyPort = CTcpLink::kPrinterPort;
    std::filesystem::path systemRoot = "/sys";
    std::filesystem::path deviceRoot = "/dev";
    UrlOpener openUrl = OpenInBrowser;
    ExitStatus exitStatus = ExitStatus::Done;
};

// Options for tests, hidden from the help: shorter port waits (--attempts,
// --attempt-wait-ms, --burst-gap-ms), another survey port (--tcp-port), fake device trees
// (--sys-root, --dev-root). They may follow the command name.
void AddHiddenTestOptions(CLI::App& app, CliContext& context);

// Parses the command line and runs the chosen command; returns the exit status.
int RunCli(CLI::App& app, int argc, const char* const* argv, CliContext& context);

}  // namespace lanvane::cli
