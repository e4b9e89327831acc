#include "app/scenario/PrinterBench.h"

#include "app/scenario/PrinterRecordFields.h"

namespace lanvane::scenario {

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

}  // namespace lanvane::scenario
