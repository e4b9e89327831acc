#pragma once

#include <memory>
#include <optional>
#include <string>

#include "link/PrinterPortLike.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane {

// How the demo's USB printers reach the program's printer port: on POSIX systems each is
// served on a pseudo-terminal, which the program's own port opens as a USB device; Windows
// has no such device, so there the printers sit behind a port inside the program.
class DemoUsbServing {
public:
    DemoUsbServing();
    ~DemoUsbServing();
    DemoUsbServing(const DemoUsbServing&) = delete;
    DemoUsbServing& operator=(const DemoUsbServing&) = delete;

    // Serves the printer (which outlives this object) as USB device `number`; the path that
    // opens it, or nothing when it cannot be served.
    std::optional<std::string> Serve(sim::SimulatedPrinter& printer, int number);
    void Stop();

    // The port that opens the devices served: `systemPort`, or the port inside the program.
    PrinterPortLike& Port(PrinterPortLike& systemPort);

private:
    struct Backend;
    std::unique_ptr<Backend> backend_;
};

}  // namespace lanvane
