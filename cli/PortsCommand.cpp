#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DeviceAccess.h"
#include "cli/DeviceChoice.h"
#include "cli/Reporter.h"
#include "cli/TextTable.h"
#include "link/SystemDeviceSource.h"

namespace lanvane::cli {
namespace {

// One device as 'ports' lists it, USB printer or serial port alike.
struct PortEntry {
    std::string name;
    std::string path;
    bool accessible = false;
    bool busy = false;      // USB only: held by another program
    std::string vendorId;   // USB only
    std::string productId;  // USB only
    bool supported = true;  // USB: a product of ours
};

std::vector<PortEntry> UsbEntries(PrinterDeviceSource& devices) {
    std::vector<PortEntry> entries;
    for (const UsbDeviceEntry& device : devices.UsbDevices()) {
        entries.push_back({device.displayName, device.devicePath, MayOpen(device.devicePath),
                           device.openFailure == LinkFailure::Busy, device.vendorId, device.productId,
                           device.productId == kPrinterProductId});
    }
    return entries;
}

std::vector<PortEntry> SerialEntries(PrinterDeviceSource& devices) {
    std::vector<PortEntry> entries;
    for (const std::string& name : devices.ComPortNames()) {
        const std::string path = devices.SerialPortPath(name);
        entries.push_back({name, path, MayOpen(path), false, {}, {}, true});
    }
    return entries;
}

nlohmann::ordered_json EntriesJson(const std::vector<PortEntry>& entries, bool usb) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PortEntry& entry : entries) {
        nlohmann::ordered_json item{{"name", entry.name}, {"path", entry.path}, {"accessible", entry.accessible}};
        if (usb) {
            item["busy"] = entry.busy;
            item["vendorId"] = entry.vendorId;
            item["productId"] = entry.productId;
            item["supported"] = entry.supported;
        }
        list.push_back(item);
    }
    return list;
}

std::string UseText(const PortEntry& entry, const std::string& option) {
    if (!entry.supported) {
        return "not supported";
    }
    if (!entry.accessible) {
        return "no permission";
    }
    return entry.busy ? "busy" : option + ' ' + entry.name;
}

void WriteEntries(std::ostream& out, const std::string& title, const std::vector<PortEntry>& entries,
                  const std::string& option) {
    out << title << ":\n";
    if (entries.empty()) {
        out << "  none\n";
        return;
    }
    std::vector<TextRow> rows{{"Name", "Path", "Use"}};
    for (const PortEntry& entry : entries) {
        rows.push_back({entry.name, entry.path, UseText(entry, option)});
    }
    WriteColumns(out, rows, "  ");
}

void RunPorts(CliContext& context) {
    Reporter reporter(context);
    SystemDeviceSource devices(context.systemRoot, context.deviceRoot, UsbListing::EveryPresent);
    const std::vector<PortEntry> usb = UsbEntries(devices);
    const std::vector<PortEntry> serial = SerialEntries(devices);
    if (reporter.Json()) {
        reporter.Document({{"usb", EntriesJson(usb, true)}, {"serial", EntriesJson(serial, false)}});
        return;
    }
    WriteEntries(reporter.Out(), "USB printers", usb, "--usb");
    WriteEntries(reporter.Out(), "Serial ports", serial, "--serial");
    const bool anyLocked = std::any_of(usb.begin(), usb.end(), [](const PortEntry& e) { return !e.accessible; }) ||
                           std::any_of(serial.begin(), serial.end(), [](const PortEntry& e) { return !e.accessible; });
    if (anyLocked) {
        reporter.Say("Devices marked \"no permission\": join the group that owns them (ls -l shows it), or "
                     "install the udev rule that comes with the lanvane package.");
    }
}

}  // namespace

void AddPortsCommand(CLI::App& app, CliContext& context) {
    CLI::App* command = app.add_subcommand(
        "ports", "List the USB printers and serial ports, marking those this user may not open.");
    command->footer("Examples:\n  lanvane-cli ports\n  lanvane-cli ports --json");
    command->callback([&context] { RunPorts(context); });
}

}  // namespace lanvane::cli
