#pragma once

#include <optional>
#include <string>
#include <vector>

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

// Reads the arguments after the program name; a message instead when they make no sense.
struct ParsedOptions {
    DesktopOptions options;
    std::optional<std::string> error;
};
ParsedOptions ParseDesktopOptions(const std::vector<std::string>& arguments);

// The usage text of --help.
std::string DesktopUsage();

// What --version prints: "lanvane 0.1.0".
std::string DesktopVersion();

}  // namespace lanvane
