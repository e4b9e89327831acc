#include "app/win32desktop/Win32DesktopOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>

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
    }

    CLI::App app;
};

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
    const Win32DesktopOptions& options = parsed.options;
    if (!options.broadcastAddress.empty() && !ParseAddressText(options.broadcastAddress)) {
        parsed.error = "--broadcast takes a dotted IPv4 address, not \"" + options.broadcastAddress + "\"";
    }
    return parsed;
}

std::string Win32DesktopUsage() {
    Win32DesktopOptions unused;
    return Win32DesktopParser(unused).app.help();
}

}  // namespace lanvane
