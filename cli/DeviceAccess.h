#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lanvane::cli {

// Whether this user may read and write the device file.
bool MayOpen(const std::filesystem::path& device);

// What to do about a device the user may not open, as "; ..." to end a message: on Linux,
// join the group that owns it (lp, dialout, ...) or install the udev rule of the package.
std::string PermissionHint(const std::filesystem::path& device);

// Printer devices as this system names them, for hints ("/dev/usb/lp0 or /dev/ttyS0").
std::string_view ExampleDevices();

}  // namespace lanvane::cli
