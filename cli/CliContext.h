#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/ExitStatus.h"
#include "cli/UrlOpener.h"
#include "link/DeviceRoots.h"
#include "link/PrinterPort.h"
#include "link/TcpLink.h"
#include "resources/StringTable.h"

namespace CLI {
class App;
}

namespace lanvane::cli {

// What every command shares: where its output goes, the texts it shows, the options of
// every command, the waits and places of the devices, and the status the program ends with.
struct CliContext {
    CliContext(std::istream& input, std::ostream& output, std::ostream& messages)
        : in(input), out(output), err(messages) {}

    std::istream& in;    // the input that "-" names
    std::ostream& out;  // results: text or one JSON document
    std::ostream& err;  // messages to the user
    const StringTable& strings = EnglishStringTable();

    bool json = false;         // --json
    bool quiet = false;        // -q: only errors on the message stream
    bool verbose = false;      // -v: each exchange traced on the message stream
    bool showSecrets = false;  // --show-secrets
    std::optional<std::chrono::milliseconds> timeout;  // --timeout

    PortTimings portTimings;
    std::uint16_t surveyPort = CTcpLink::kPrinterPort;
    std::filesystem::path systemRoot = DefaultSystemRoot();
    std::filesystem::path deviceRoot = DefaultDeviceRoot();
    UrlOpener openUrl = OpenInBrowser;
    ExitStatus exitStatus = ExitStatus::Done;

    // The same context with its results going to `output`.
    CliContext WithOutput(std::ostream& output) const;

    // The port's waits with --timeout laid over them: each read waits at most that long,
    // and without it at most kDefaultReplyWait, so that a silent printer ends a job soon.
    PortTimings ReadTimings() const;
};

inline constexpr std::chrono::milliseconds kDefaultReplyWait{10000};

// The options every command takes (--json, -q, -v, --show-secrets, --timeout); they may
// follow the command name. Also options for tests, hidden from the help: shorter port waits
// (--attempts, --attempt-wait-ms, --burst-gap-ms), another survey port (--tcp-port), fake
// device trees (--sys-root, --dev-root).
void AddCommonOptions(CLI::App& app, CliContext& context);

// Parses the command line and runs the chosen command; returns the exit status. Usage
// errors are reported as every other failure; no exception leaves it.
int RunCli(CLI::App& app, int argc, const char* const* argv, CliContext& context);

}  // namespace lanvane::cli
