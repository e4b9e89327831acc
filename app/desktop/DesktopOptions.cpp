#include "app/desktop/DesktopOptions.h"

#include <cstddef>

#include "protocol/AddressText.h"

namespace lanvane {

ParsedOptions ParseDesktopOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (argument == "--demo") {
            parsed.options.demo = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.options.help = true;
        } else if (argument == "--broadcast" && hasValue) {
            parsed.options.broadcastAddress = arguments[++index];
            if (!ParseAddressText(parsed.options.broadcastAddress)) {
                parsed.error = "--broadcast takes a dotted IPv4 address, not \"" + parsed.options.broadcastAddress + "\"";
                return parsed;
            }
        } else if (argument == "--screenshots" && hasValue) {
            parsed.options.screenshotFolder = arguments[++index];
            parsed.options.demo = true;
        } else if (argument == "--broadcast" || argument == "--screenshots") {
            parsed.error = argument + " needs a value";
            return parsed;
        } else {
            parsed.error = "unknown argument \"" + argument + "\"";
            return parsed;
        }
    }
    return parsed;
}

std::string DesktopUsage() {
    return "usage: lanvane [--demo] [--broadcast ADDRESS] [--screenshots FOLDER]\n"
           "  --demo                 work with simulated printers started inside the program\n"
           "  --broadcast ADDRESS    send the LAN datagrams to ADDRESS (the demo uses 127.255.255.255)\n"
           "  --screenshots FOLDER   save a picture of every window in FOLDER and end (runs the demo)\n";
}

}  // namespace lanvane
