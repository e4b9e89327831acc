#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/scenario/PrinterSetup.h"
#include "sim/FaultPlan.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane::scenario {

// The simulated printers a scenario has started, numbered from 1 in the order started.
// The USB road offers them as USB devices in that order.
class PrinterBench {
public:
    struct UsbPrinter {
        std::unique_ptr<sim::SimulatedPrinter> printer;
        std::string productId;
    };

    // Returns the new printer's number.
    int StartUsbPrinter(const PrinterSetup& setup);
    int Count() const { return static_cast<int>(printers_.size()); }
    // The printer with this number, or the last one started when none is given; nullptr
    // when there is no such printer.
    sim::SimulatedPrinter* Printer(std::optional<int> number = std::nullopt) const;
    const std::vector<UsbPrinter>& UsbPrinters() const { return printers_; }

    // The device path that opens printer `number` on the USB road, and back.
    static std::string UsbPath(int number);
    static std::optional<int> NumberOfUsbPath(const std::string& path);

private:
    std::vector<UsbPrinter> printers_;
};

// The printer state a setup describes: the default printer of its layout, changed as told.
sim::PrinterState StateFor(const PrinterSetup& setup);

}  // namespace lanvane::scenario
