#include <CLI/CLI.hpp>

#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DeviceChoice.h"
#include "cli/Reporter.h"
#include "cli/TextTable.h"
#include "link/ComPortList.h"
#include "link/UsbDeviceList.h"

namespace lanvane::cli {
namespace {

struct PortsOptions {
    bool json = false;
};

std::vector<UsbDeviceEntry> UsbDevices(const CliContext& context) {
    CUsbDeviceList list(context.systemRoot, context.deviceRoot);
    list.Refresh();
    std::vector<UsbDeviceEntry> devices;
    for (std::size_t index = 0; index < list.Count(); ++index) {
        devices.push_back(*list.GetAt(index));
    }
    return devices;
}

bool IsOurProduct(const UsbDeviceEntry& device) {
    return device.productId == kPrinterProductId;
}

nlohmann::ordered_json PortsDocument(const std::vector<UsbDeviceEntry>& usb,
                                     const std::vector<std::string>& serial) {
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
        serialList.push_back({{"name", name}, {"path", ComPortPath(name)}});
    }
    return {{"usb", usbList}, {"serial", serialList}};
}

void WritePortsText(std::ostream& out, const std::vector<UsbDeviceEntry>& usb,
                    const std::vector<std::string>& serial) {
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
        serialRows.push_back({name, ComPortPath(name)});
    }
    if (serial.empty()) {
        out << "  none\n";
    } else {
        WriteColumns(out, serialRows, "  ");
    }
}

ExitStatus RunPorts(const PortsOptions& options, CliContext& context) {
    Reporter reporter(context, options.json);
    const std::vector<UsbDeviceEntry> usb = UsbDevices(context);
    const std::vector<std::string> serial = ListComPorts(context.systemRoot);
    if (reporter.Json()) {
        reporter.Document(PortsDocument(usb, serial));
    } else {
        WritePortsText(reporter.Out(), usb, serial);
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
