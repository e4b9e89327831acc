#include "app/demo/DemoUsbPrinters.h"

#include <cstdio>

#include "sim/DottedAddress.h"
#include "sim/PrinterState.h"

namespace lanvane {

namespace {

constexpr char kVendorId[] = "F0F0";

// A second printer that differs from the first wherever the pages show it.
sim::PrinterState LabelPrinter() {
    sim::PrinterState state = sim::DefaultPrinterState(1);
    state.identity.firmwareVersion = "VT-IF 1.08.02";
    state.identity.updateDate = "2021-03-02 14:05:00";
    state.identity.mac = {0x00, 0x1B, 0x7A, 0x3C, 0x60, 0x11};
    state.record.printerName = "VT-Label";
    state.record.networkMode = 1;
    state.record.dhcp = 1;
    state.record.ipAddress = sim::AddressOf(192, 168, 0, 101);
    state.record.ssid = "Lab Adhoc";
    state.record.authentication = 0;
    state.record.cryptograph = 0;
    state.record.adhocChannel = 11;
    state.record.printerPort = 9101;
    state.record.inactivityTime = 0;
    return state;
}

}  // namespace

DemoUsbPrinters::DemoUsbPrinters() = default;

DemoUsbPrinters::~DemoUsbPrinters() {
    Stop();
}

bool DemoUsbPrinters::Start(std::string& problem) {
    std::vector<UsbDeviceEntry> entries;
    for (sim::PrinterState state : {sim::DefaultPrinterState(2), LabelPrinter()}) {
        printers_.push_back(std::make_unique<sim::SimulatedPrinter>(std::move(state)));
        const int number = static_cast<int>(entries.size()) + 1;
        const std::optional<std::string> path = serving_.Serve(*printers_.back(), number);
        if (!path) {
            problem = "cannot serve a simulated USB printer";
            Stop();
            return false;
        }
        char name[16];
        std::snprintf(name, sizeof name, "USB%03d", number);
        entries.push_back(UsbDeviceEntry{*path, name, std::string(kPrinterProductId), kVendorId});
    }
    devices_.SetUsbDevices(std::move(entries));
    return true;
}

void DemoUsbPrinters::Stop() {
    serving_.Stop();
    printers_.clear();
    devices_.SetUsbDevices({});
}

}  // namespace lanvane
