#include "app/desktop/DesktopOptions.h"

#include <cstddef>

#include "protocol/ProgramVersion.h"

namespace lanvane {

namespace {

// Four decimal numbers of 0..255 joined by dots, nothing else.
bool IsDottedAddress(const std::string& text) {
    int parts = 0;
    std::size_t position = 0;
    while (position <= text.size()) {
        std::size_t digits = 0;
        int value = 0;
        while (position + digits < text.size() && text[position + digits] >= '0' && text[position + digits] <= '9') {
            value = value * 10 + (text[position + digits] - '0');
            if (++digits > 3) {
                return false;
            }
        }
        if (digits == 0 || value > 255) {
            return false;
        }
        ++parts;
        position += digits;
        if (position == text.size()) {
            break;
        }
        if (text[position] != '.') {
            return false;
        }
        ++position;
    }
    return parts == 4;
}

}  // namespace

ParsedOptions ParseDesktopOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (argument == "--demo") {
            parsed.options.demo = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.options.help = true;
        } else if (argument == "--version") {
            parsed.options.version = true;
        } else if (argument == "--broadcast" && hasValue) {
            parsed.options.broadcastAddress = arguments[++index];
            if (!IsDottedAddress(parsed.options.broadcastAddress)) {
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
    return "usage: lanvane [--demo] [--broadcast ADDRESS] [--screenshots FOLDER] [--version]\n"
           "  --demo                 work with simulated printers started inside the program\n"
           "  --broadcast ADDRESS    send the LAN datagrams to ADDRESS (the demo uses 127.255.255.255)\n"
           "  --screenshots FOLDER   save a picture of every window in FOLDER and end (runs the demo)\n"
           "  --version              print the program's version and end\n";
}

std::string DesktopVersion() {
    return std::string("lanvane ") + kProgramVersion + "\n";
}

}  // namespace lanvane
