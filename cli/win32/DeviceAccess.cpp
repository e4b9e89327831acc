#include "cli/DeviceAccess.h"

namespace lanvane::cli {

// Windows grants every user the serial ports and USB printers; whether another program
// holds one shows only when it is opened.
bool MayOpen(const std::filesystem::path&) {
    return true;
}

// Devices have no owning group on Windows.
std::string OwningGroup(const std::filesystem::path&) {
    return {};
}

}  // namespace lanvane::cli
