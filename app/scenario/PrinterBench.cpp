#include "app/scenario/PrinterBench.h"

#include "app/scenario/PrinterRecordFields.h"
#include "app/scenario/TokenCursor.h"

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
    printers_.push_back({std::make_unique<sim::SimulatedPrinter>(StateFor(setup), setup.faults), setup.productId});
    return Count();
}

sim::SimulatedPrinter* PrinterBench::Printer(std::optional<int> number) const {
    const int chosen = number.value_or(Count());
    if (chosen < 1 || chosen > Count()) {
        return nullptr;
    }
    return printers_[static_cast<std::size_t>(chosen - 1)].printer.get();
}

std::string PrinterBench::UsbPath(int number) {
    return std::string(kUsbPathPrefix) + std::to_string(number);
}

std::optional<int> PrinterBench::NumberOfUsbPath(const std::string& path) {
    if (!path.starts_with(kUsbPathPrefix)) {
        return std::nullopt;
    }
    return ParseInt(std::string_view(path).substr(kUsbPathPrefix.size()));
}

}  // namespace lanvane::scenario
