#pragma once

#include <memory>
#include <string>

#include "cli/CliContext.h"
#include "cli/DeviceDiagnosis.h"
#include "cli/DeviceChoice.h"
#include "cli/Reporter.h"
#include "cli/TracingChannel.h"
#include "link/PrinterPort.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"
#include "protocol/PrinterConfigWriter.h"
#include "protocol/Sleeper.h"

namespace lanvane::cli {

// One printer on the port for one command: the device opened, the printer identified by
// its maker name, and for Connect its identification data and record read, as the
// configuration window's Connect does it. The port closes with the session.
class PrinterSession {
public:
    explicit PrinterSession(CliContext& context);

    // Opens the device and checks the maker name. Reports a failure and returns its status;
    // Done once the printer is known to be ours.
    ExitStatus Identify(const DeviceOptions& options, Reporter& reporter);
    // Identify, then read the identification data and the record.
    ExitStatus Connect(const DeviceOptions& options, Reporter& reporter);

    // The channel the exchanges use; traced under --verbose.
    ByteChannel& Channel();
    ExchangeBuffers& Buffers() { return *buffers_; }
    const std::string& DevicePath() const { return path_; }
    // What Connect read; valid after a successful Connect.
    const ConfigReadResult& Printer() const { return printer_; }

    // Reports a failed exchange after the printer was identified: no reply, a damaged
    // answer, or a refusal, with what the port last failed at.
    ExitStatus FailExchange(Reporter& reporter, std::string_view what, bool damaged);
    // Reports a failed write; once the record went out, says that the printer may hold it.
    ExitStatus FailWrite(Reporter& reporter, WriteOutcome outcome);

private:
    DeviceDiagnosis ExchangeFailure(std::string_view what, bool damaged) const;
    ExitStatus OpenDevice(const DeviceOptions& options, Reporter& reporter);

    CliContext& context_;
    CPrinterPort port_;
    TracingChannel tracing_;
    std::unique_ptr<ExchangeBuffers> buffers_;
    std::string path_;
    ConfigReadResult printer_;
};

// A pause that really waits.
Sleeper RealPause();

}  // namespace lanvane::cli
