#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/LanRoad.h"
#include "tools/scenario/BenchLanPrinter.h"
#include "tools/scenario/PrinterSetup.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SimulatedPrinterPort.h"

namespace lanvane::scenario {

// The simulated printers a scenario has started, numbered from 1 in the order started.
// USB printers are offered by the USB road in their order; LAN printers listen on the
// loopback network where the LAN road sends (the bench points the road's network at them).
class PrinterBench {
public:
    struct UsbPrinter {
        int number = 0;
        sim::SimulatedPrinter* printer = nullptr;
        std::string productId;
    };

    explicit PrinterBench(LanRoad& lan) : lan_(lan) {}

    // Returns the new printer's number.
    int StartUsbPrinter(const PrinterSetup& setup);
    // Returns the new printer's number, or nothing when its ports cannot be had.
    std::optional<int> StartLanPrinter(const LanPrinterSetup& setup);

    int Count() const { return static_cast<int>(printers_.size()); }
    // The printer with this number, or the last one started when none is given; nullptr
    // when there is no such USB (or LAN) printer.
    sim::SimulatedPrinter* Printer(std::optional<int> number = std::nullopt) const;
    BenchLanPrinter* LanPrinter(std::optional<int> number = std::nullopt) const;
    std::vector<UsbPrinter> UsbPrinters() const;
    // The printer port that opens the USB printers by their device paths.
    PrinterPortLike& Port() { return port_; }

    // The device path that opens printer `number` on the USB road.
    static std::string UsbPath(int number);

private:
    struct Entry {
        std::unique_ptr<sim::SimulatedPrinter> usb;
        std::string productId;
        std::unique_ptr<BenchLanPrinter> lan;
    };

    const Entry* Find(std::optional<int> number) const;

    LanRoad& lan_;
    std::vector<Entry> printers_;
    sim::SimulatedPrinterPort port_;
    int ethernetPrinters_ = 0;
    int wlanPrinters_ = 0;
};

// The printer state a setup describes: the default printer of its layout, changed as told.
sim::PrinterState StateFor(const PrinterSetup& setup);

}  // namespace lanvane::scenario
