#include "cli/DeviceChoice.h"

#include <CLI/CLI.hpp>

#include "cli/DeviceAccess.h"
#include "cli/SurveyAddress.h"

namespace lanvane::cli {
namespace {

// Either separator: Windows paths (\\.\COM3) use the backslash.
bool IsPath(const std::string& value) {
    return value.find_first_of("/\\") != std::string::npos;
}

std::optional<std::string> UsbDevicePath(const std::string& displayName, PrinterDeviceSource& devices) {
    for (const UsbDeviceEntry& entry : devices.UsbDevices()) {
        if (entry.productId == kPrinterProductId && entry.displayName == displayName) {
            return entry.devicePath;
        }
    }
    return std::nullopt;
}

// An empty value would fall through to the other kind of device and be reported as that.
const CLI::Validator kNamesADevice(
    [](const std::string& value) { return value.empty() ? std::string("an empty value names no device") : std::string(); },
    "");

}  // namespace

void AddDeviceOptions(CLI::App& command, DeviceOptions& options, bool withAddress, CLI::Option* instead) {
    CLI::Option_group* device = command.add_option_group("device", "the printer to talk to");
    device->add_option("--usb", options.usb,
                       "USB printer: a display name that 'ports' lists (USB001) or a device path")
        ->check(kNamesADevice)
        ->type_name("NAME|PATH");
    device->add_option("--serial", options.serial,
                       "serial port: a port name (" + std::string(HelpExampleDevices().serialPort) + ") or a device path")
        ->check(kNamesADevice)
        ->type_name("NAME|PATH");
    if (withAddress) {
        device->add_option("--ip", options.ip, "the printer's IPv4 address on the LAN, and the survey port if not 3318")
            ->check(CLI::Validator(
                [](const std::string& value) {
                    return ParseSurveyAddress(value) ? std::string() : "not an address a.b.c.d[:port]: " + value;
                },
                ""))
            ->type_name("ADDRESS[:PORT]");
    }
    if (instead != nullptr) {
        device->add_option(instead);
    }
    device->require_option(1);
}

std::optional<DeviceTarget> ChooseDevice(const DeviceOptions& options, PrinterDeviceSource& devices) {
    if (!options.serial.empty()) {
        return DeviceTarget{IsPath(options.serial) ? options.serial : devices.SerialPortPath(options.serial),
                            false};
    }
    if (IsPath(options.usb)) {
        return DeviceTarget{options.usb, true};
    }
    const auto path = UsbDevicePath(options.usb, devices);
    if (!path) {
        return std::nullopt;
    }
    return DeviceTarget{*path, true};
}

}  // namespace lanvane::cli
