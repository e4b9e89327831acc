#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/demo/DemoUsbServing.h"
#include "link/ListedDeviceSource.h"
#include "link/PrinterPortLike.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane {

// The demo's printers on the USB road. USB001 holds a record of layout 2 (with the Wi-Fi
// Direct fields), USB002 one of layout 1.
class DemoUsbPrinters {
public:
    DemoUsbPrinters();
    ~DemoUsbPrinters();
    DemoUsbPrinters(const DemoUsbPrinters&) = delete;
    DemoUsbPrinters& operator=(const DemoUsbPrinters&) = delete;

    // Starts serving; on failure says why and serves nothing.
    bool Start(std::string& problem);
    void Stop();

    // The devices the Port list offers: the printers as USB001, USB002 (product id 002B).
    PrinterDeviceSource& Devices() { return devices_; }
    // The printer port that opens them: `systemPort` where they are served on devices the
    // system's own port opens, else a port inside the program.
    PrinterPortLike& Port(PrinterPortLike& systemPort) { return serving_.Port(systemPort); }

private:
    std::vector<std::unique_ptr<sim::SimulatedPrinter>> printers_;
    DemoUsbServing serving_;
    ListedDeviceSource devices_;
};

}  // namespace lanvane
