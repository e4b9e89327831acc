#include <CLI/CLI.hpp>

#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DeviceChoice.h"
#include "cli/Reporter.h"
#include "cli/TextTable.h"
#include "link/SystemDeviceSource.h"

namespace lanvane::cli {
namespace {

struct PortsOptions {
    bool json = false;
};

bool IsOurProduct(const UsbDeviceEntry& device) {
    return device.productId == kPrinterProductId;
}

nlohmann::ordered_json PortsDocument(const std::vector<UsbDeviceEntry>& usb,
                                     const std::vector<std::string>& serial, const PrinterDeviceSource& devices) {
    nlohmann::ordered_json usbList = nlohmann::ordered_json::array();
    for (const UsbDeviceEntry& device : usb) {
        usbList.push_back({{"displayName", device.displayName},
                           {"devicePath", device.devicePath},
                           {"vendorId", device.vendorId},
                           {"productId", device.productId},
                           {"supported", IsOurProduct(device)}});
    }
    nlohmann::ordered_json serialList = nlohmann::ordered_json::array();
    for (const std::string& name : serial) {
        serialList.push_back({{"name", name}, {"path", devices.SerialPortPath(name)}});
    }
    return {{"usb", usbList}, {"serial", serialList}};
}

void WritePortsText(std::ostream& out, const std::vector<UsbDeviceEntry>& usb,
                    const std::vector<std::string>& serial, const PrinterDeviceSource& devices) {
    out << "USB devices:\n";
    std::vector<TextRow> usbRows{{"Name", "Path", "Vendor", "Product", "Use"}};
    for (const UsbDeviceEntry& device : usb) {
        usbRows.push_back({device.displayName, device.devicePath, device.vendorId, device.productId,
                           IsOurProduct(device) ? "--usb " + device.displayName : "not supported"});
    }
    if (usb.empty()) {
        out << "  none\n";
    } else {
        WriteColumns(out, usbRows, "  ");
    }
    out << "Serial ports:\n";
    std::vector<TextRow> serialRows{{"Name", "Path"}};
    for (const std::string& name : serial) {
        serialRows.push_back({name, devices.SerialPortPath(name)});
    }
    if (serial.empty()) {
        out << "  none\n";
    } else {
        WriteColumns(out, serialRows, "  ");
    }
}

ExitStatus RunPorts(const PortsOptions& options, CliContext& context) {
    Reporter reporter(context, options.json);
    SystemDeviceSource devices(context.systemRoot, context.deviceRoot);
    const std::vector<UsbDeviceEntry> usb = devices.UsbDevices();
    const std::vector<std::string> serial = devices.ComPortNames();
    if (reporter.Json()) {
        reporter.Document(PortsDocument(usb, serial, devices));
    } else {
        WritePortsText(reporter.Out(), usb, serial, devices);
    }
    return ExitStatus::Done;
}

}  // namespace

void AddPortsCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<PortsOptions>();
    CLI::App* command = app.add_subcommand("ports", "List the USB printers and serial ports.");
    command->add_flag("--json", options->json, "print one JSON document");
    command->callback([options, &context] { context.exitStatus = RunPorts(*options, context); });
}

}  // namespace lanvane::cli
