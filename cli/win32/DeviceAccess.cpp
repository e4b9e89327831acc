#include "cli/DeviceAccess.h"

namespace lanvane::cli {

// Windows grants every user the serial ports and USB printers; whether another program
// holds one shows only when it is opened.
bool MayOpen(const std::filesystem::path&) {
    return true;
}

std::string PermissionHint(const std::filesystem::path&) {
    return "; ask the administrator for access to it";
}

HelpDevices HelpExampleDevices() {
    return {"COM3", "USB001"};
}

std::string_view ExampleDevices() {
    return "USB001 or COM3";
}

}  // namespace lanvane::cli
