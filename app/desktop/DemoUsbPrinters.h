#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/ListedDeviceSource.h"
#include "sim/SimulatedPrinter.h"
#include "sim/posix/PtyPrinterServer.h"

namespace lanvane {

// The demo's printers on the USB road: simulated printers served on pseudo-terminals, which
// the program's own printer port opens as USB printer devices. USB001 holds a record of
// layout 2 (with the Wi-Fi Direct fields), USB002 one of layout 1.
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

private:
    struct Served {
        std::unique_ptr<sim::SimulatedPrinter> printer;
        std::unique_ptr<sim::PtyPrinterServer> server;
    };

    std::vector<Served> served_;
    ListedDeviceSource devices_;
};

}  // namespace lanvane
