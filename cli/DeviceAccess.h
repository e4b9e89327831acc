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

// The devices the help's examples name: a serial port and a USB printer as this system
// writes them (ttyS0 and /dev/usb/lp0; COM3 and USB001).
struct HelpDevices {
    std::string_view serialPort;
    std::string_view usbPrinter;
};
HelpDevices HelpExampleDevices();

}  // namespace lanvane::cli
