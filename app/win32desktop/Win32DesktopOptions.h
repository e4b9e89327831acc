#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lanvane {

// What lanvane.exe is asked to do on its command line.
struct Win32DesktopOptions {
    // Run against simulated printers started inside the program.
    bool demo = false;
    // Where the LAN datagrams go; empty: the printers' limited broadcast.
    std::string broadcastAddress;
    // Close the main menu this many milliseconds after it shows (checks that the program
    // starts and shows its windows); nothing: wait for the user.
    std::optional<int> closeAfterMs;
    // Save a picture of every window into this folder and end (with the demo); empty: none.
    std::string screenshotFolder;
    bool help = false;
    bool version = false;
};

struct ParsedWin32Options {
    Win32DesktopOptions options;
    std::optional<std::string> error;
};

// Reads the arguments (UTF-8), the program's name first.
ParsedWin32Options ParseWin32DesktopOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string Win32DesktopUsage();

}  // namespace lanvane
