#include "app/demo/DemoUsbServing.h"

#include "sim/SimulatedPrinterPort.h"

namespace lanvane {

struct DemoUsbServing::Backend {
    sim::SimulatedPrinterPort port;
};

DemoUsbServing::DemoUsbServing() : backend_(std::make_unique<Backend>()) {}

DemoUsbServing::~DemoUsbServing() { Stop(); }

// A path of the shape the system's USB printer interfaces have, unique per printer.
std::optional<std::string> DemoUsbServing::Serve(sim::SimulatedPrinter& printer, int number) {
    std::string path = "\\\\?\\usb#vid_f0f0&pid_002b#demo" + std::to_string(number);
    backend_->port.Plug(printer, path);
    return path;
}

void DemoUsbServing::Stop() { backend_->port.UnplugAll(); }

PrinterPortLike& DemoUsbServing::Port(PrinterPortLike&) { return backend_->port; }

}  // namespace lanvane
