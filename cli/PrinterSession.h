#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cli/CliContext.h"
#include "cli/DeviceChoice.h"
#include "cli/Reporter.h"
#include "link/PrinterPort.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"
#include "protocol/Sleeper.h"

namespace lanvane::cli {

// One printer on the port for one command, connected as the configuration window's
// Connect does it: open the device, identify the printer, read its identification data
// and record. The port closes with the session.
class PrinterSession {
public:
    explicit PrinterSession(const CliContext& context);

    // Reports a failure and returns its status; Done once connected.
    ExitStatus Connect(const DeviceOptions& options, Reporter& reporter);

    ByteChannel& Channel() { return port_; }
    ExchangeBuffers& Buffers() { return *buffers_; }
    // What the connect read; valid after a successful Connect.
    const ConfigReadResult& Printer() const { return printer_; }

private:
    // The message, and on a line of its own what the port last failed at, if anything.
    std::string WithDetail(std::string_view message) const;

    const CliContext& context_;
    CPrinterPort port_;
    std::unique_ptr<ExchangeBuffers> buffers_;
    ConfigReadResult printer_;
};

// A pause that really waits.
Sleeper RealPause();

}  // namespace lanvane::cli
