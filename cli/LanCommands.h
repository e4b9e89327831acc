#pragma once

#include "cli/UrlOpener.h"
#include "resources/StringTable.h"

#include <ostream>

namespace CLI {
class App;
}

namespace lanvane::cli {

// Where the LAN commands write, and the exit status the last one gave.
struct LanCliSink {
    std::ostream& out;
    std::ostream& err;
    const StringTable& strings = EnglishStringTable();
    UrlOpener opener = OpenInBrowser;
    int exitCode = 0;
};

// Adds "discover", "set-ip" and "web" as subcommands of lanvane-cli; each writes its result
// to sink.out, its message to sink.err, and leaves its exit status in sink.exitCode.
void AddLanCommands(CLI::App& app, LanCliSink& sink);

}  // namespace lanvane::cli
