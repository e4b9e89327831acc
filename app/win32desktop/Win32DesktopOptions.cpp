#include "app/win32desktop/Win32DesktopOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "platform/win32/WideText.h"
#include "protocol/AddressText.h"

namespace lanvane {

namespace {

// One parser for both the parse and the help text, so that they cannot disagree.
struct Win32DesktopParser {
    explicit Win32DesktopParser(Win32DesktopOptions& options)
        : app("Set up the Ethernet, WLAN and Wi-Fi Direct interface of a printer.", "lanvane") {
        app.set_help_flag();
        app.add_flag("-h,--help", options.help, "Show this help and end.");
        app.add_flag("-v,--version", options.version, "Show the program's version and end.");
        app.add_flag("--demo", options.demo, "Work with simulated printers started inside the program.");
        app.add_option("--broadcast", options.broadcastAddress,
                       "Send the LAN datagrams to ADDRESS (the demo uses 127.255.255.255).")
            ->option_text("ADDRESS");
        app.add_option("--close-after", options.closeAfterMs,
                       "Close the main menu MS milliseconds after it shows, and end.")
            ->option_text("MS")
            ->check(CLI::NonNegativeNumber);
        app.add_option("--screenshots", options.screenshotFolder,
                       "Save a picture of every window in FOLDER and end (runs the demo).")
            ->option_text("FOLDER");
    }

    CLI::App app;
};

// Pictures go into a folder, made if missing; a file of that name would fail every picture
// only after the whole tour.
bool IsFileNotFolder(const std::string& folder) {
    const std::filesystem::path path(win32::Utf8ToWide(folder));
    std::error_code error;
    return std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
}

}  // namespace

ParsedWin32Options ParseWin32DesktopOptions(const std::vector<std::string>& arguments) {
    ParsedWin32Options parsed;
    Win32DesktopParser parser(parsed.options);
    std::vector<std::string> reversed;
    if (arguments.size() > 1) {
        std::reverse_copy(arguments.begin() + 1, arguments.end(), std::back_inserter(reversed));
    }
    try {
        parser.app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        parsed.error = error.what();
        return parsed;
    }
    Win32DesktopOptions& options = parsed.options;
    options.demo = options.demo || !options.screenshotFolder.empty();
    if (!options.broadcastAddress.empty() && !ParseAddressText(options.broadcastAddress)) {
        parsed.error = "--broadcast takes a dotted IPv4 address, not \"" + options.broadcastAddress + "\"";
    } else if (!options.screenshotFolder.empty() && IsFileNotFolder(options.screenshotFolder)) {
        parsed.error = "--screenshots takes a folder, and \"" + options.screenshotFolder + "\" is no folder";
    }
    return parsed;
}

std::string Win32DesktopUsage() {
    Win32DesktopOptions unused;
    return Win32DesktopParser(unused).app.help();
}

}  // namespace lanvane
