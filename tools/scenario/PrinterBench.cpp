#include "tools/scenario/PrinterBench.h"

#include "tools/scenario/SimulatedFields.h"

namespace lanvane::scenario {
namespace {

constexpr std::string_view kUsbPathPrefix = "simulated-usb-printer-";

}  // namespace

sim::PrinterState StateFor(const PrinterSetup& setup) {
    sim::PrinterState state = sim::DefaultPrinterState(setup.layout);
    if (setup.makerName) {
        state.makerName = *setup.makerName;
    }
    for (const FieldValue& field : setup.fields) {
        SetRecordField(state.record, field.field, field.value);
    }
    if (setup.noNetworks) {
        state.networks.clear();
    }
    return state;
}

int PrinterBench::StartUsbPrinter(const PrinterSetup& setup) {
    printers_.push_back({std::make_unique<sim::SimulatedPrinter>(StateFor(setup), setup.faults), setup.productId, {}});
    port_.Plug(*printers_.back().usb, UsbPath(Count()));
    return Count();
}

// Printers of one kind share their kind's port, as printers on one network share the
// port their protocol uses; the first one takes a free port.
std::optional<int> PrinterBench::StartLanPrinter(const LanPrinterSetup& setup) {
    const bool wireless = setup.kind == sim::LanKind::Wlan;
    int& ofKind = wireless ? wlanPrinters_ : ethernetPrinters_;
    sim::LanPrinterSettings settings = sim::DefaultLanPrinter(setup.kind, ofKind + 1);
    for (const FieldValue& field : setup.fields) {
        SetLanField(settings, field.field, field.value);
    }
    LanEndpoint& endpoint = lan_.network.For(wireless ? LanMode::Wlan : LanMode::Ethernet);
    const std::uint16_t sharedPort = ofKind == 0 ? 0 : endpoint.printerPort;
    const std::uint16_t surveyPort = wlanPrinters_ == 0 ? 0 : lan_.surveyPort;
    auto printer = std::make_unique<BenchLanPrinter>(settings, setup.faults, setup.noNetworks);
    if (!printer->Start(sharedPort, surveyPort)) {
        return std::nullopt;
    }
    endpoint.printerPort = printer->DatagramPort();
    if (wireless) {
        lan_.surveyPort = printer->SurveyPort();
    }
    ++ofKind;
    printers_.push_back({nullptr, {}, std::move(printer)});
    return Count();
}

const PrinterBench::Entry* PrinterBench::Find(std::optional<int> number) const {
    const int chosen = number.value_or(Count());
    if (chosen < 1 || chosen > Count()) {
        return nullptr;
    }
    return &printers_[static_cast<std::size_t>(chosen - 1)];
}

sim::SimulatedPrinter* PrinterBench::Printer(std::optional<int> number) const {
    const Entry* entry = Find(number);
    return entry == nullptr ? nullptr : entry->usb.get();
}

BenchLanPrinter* PrinterBench::LanPrinter(std::optional<int> number) const {
    const Entry* entry = Find(number);
    return entry == nullptr ? nullptr : entry->lan.get();
}

std::vector<PrinterBench::UsbPrinter> PrinterBench::UsbPrinters() const {
    std::vector<UsbPrinter> usb;
    for (int number = 1; number <= Count(); ++number) {
        const Entry& entry = printers_[static_cast<std::size_t>(number - 1)];
        if (entry.usb) {
            usb.push_back({number, entry.usb.get(), entry.productId});
        }
    }
    return usb;
}

std::string PrinterBench::UsbPath(int number) {
    return std::string(kUsbPathPrefix) + std::to_string(number);
}

}  // namespace lanvane::scenario
