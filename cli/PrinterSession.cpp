#include "cli/PrinterSession.h"

#include <thread>

#include "connect/PrinterConnect.h"
#include "link/InterruptRelease.h"
#include "link/SystemDeviceSource.h"
#include "resources/StringIds.h"

namespace lanvane::cli {

PrinterSession::PrinterSession(const CliContext& context)
    : context_(context),
      port_(context.portTimings, MakeSystemModemLines()),
      buffers_(std::make_unique<ExchangeBuffers>()) {}

ExitStatus PrinterSession::Connect(const DeviceOptions& options, Reporter& reporter) {
    SystemDeviceSource devices(context_.systemRoot, context_.deviceRoot);
    const auto target = ChooseDevice(options, devices);
    const bool usbDevice = target ? target->usbKind : options.serial.empty();
    const InterruptNotice notice(interrupted::kReadingRecord);
    const PrinterConnection connection =
        ConnectPrinter(port_, usbDevice, target ? std::optional(target->path) : std::nullopt, *buffers_, RealPause());
    printer_ = connection.printer;
    const std::string connectFailed(reporter.Strings().Text(sid::kConnectFailed));
    switch (connection.outcome) {
        case ConnectOutcome::Connected: return ExitStatus::Done;
        case ConnectOutcome::NoDevice:
            return reporter.FailWith(ExitStatus::NoDevice, ConnectFailureMessage(connection.outcome, usbDevice));
        case ConnectOutcome::PortOpenFailed:
            return reporter.Fail(ExitStatus::NoDevice, WithDetail(reporter.Strings().Text(sid::kPortOpenFailed)));
        case ConnectOutcome::MakerNameMismatch:
            // A device that gives no maker name at all did not answer; that is no other maker's printer.
            if (printer_.makerName.empty()) {
                return reporter.Fail(ExitStatus::PrinterFailed,
                                     "No reply from the printer on " + target->path + ".\n" + connectFailed);
            }
            return reporter.Fail(ExitStatus::PrinterFailed,
                                 std::string(reporter.Strings().Text(sid::kMakerNameMismatch)) + "\n" + connectFailed);
        case ConnectOutcome::ReadFailed: break;
    }
    return reporter.Fail(ExitStatus::PrinterFailed, WithDetail(connectFailed));
}

std::string PrinterSession::WithDetail(std::string_view message) const {
    const LinkError error = port_.LastError();
    return error.Failed() ? std::string(message) + "\n" + Describe(error) : std::string(message);
}

Sleeper RealPause() {
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

}  // namespace lanvane::cli
