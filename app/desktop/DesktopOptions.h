#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace lanvane {

// What the desktop program is asked to do on its command line.
struct DesktopOptions {
    // Run against simulated printers started inside the program.
    bool demo = false;
    // Where the LAN datagrams go; empty: the printers' limited broadcast.
    std::string broadcastAddress;
    // Render every window into PNG files in this folder and end (implies the demo).
    std::string screenshotFolder;
    bool help = false;
    bool version = false;
};

// Reads the arguments, the program's name first, as the toolkit leaves them once it has
// taken its own (-platform, -style, ...). --help and --version are reported even beside an
// error, so that they can be answered before the toolkit starts.
struct ParsedOptions {
    DesktopOptions options;
    std::optional<std::string> error;
};
ParsedOptions ParseDesktopOptions(const QStringList& arguments);

// The text of --help.
std::string DesktopUsage();

}  // namespace lanvane
