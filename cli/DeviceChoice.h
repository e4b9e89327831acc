#pragma once

#include <optional>
#include <string>

#include "link/PrinterDeviceSource.h"

namespace CLI {
class App;
class Option;
}

namespace lanvane::cli {

// The device options as given on the command line; one of them is set.
struct DeviceOptions {
    std::string usb;     // display name (USB001) or device path
    std::string serial;  // port name (ttyS0) or device path
    std::string ip;      // the printer's address on the LAN (BSS survey only)
};

// Adds --usb and --serial, exactly one of them required; with `withAddress` also --ip.
// Given `instead`, an option that names the devices otherwise, exactly one of it, --usb
// and --serial.
void AddDeviceOptions(CLI::App& command, DeviceOptions& options, bool withAddress, CLI::Option* instead = nullptr);

// A device to open: its path, and whether it is opened as a USB printer (no line settings)
// or as a serial port.
struct DeviceTarget {
    std::string path;
    bool usbKind = false;

    bool operator==(const DeviceTarget&) const = default;
};

// The device --usb or --serial names. A value holding a '/' is a device path; any other
// --usb value is the display name of a present device of our product, any other --serial
// value a port name. Empty when the display name names no such device: nothing is opened
// then, not even the last device of the list.
std::optional<DeviceTarget> ChooseDevice(const DeviceOptions& options, PrinterDeviceSource& devices);

}  // namespace lanvane::cli
