#include "cli/PrinterSession.h"

#include <thread>

#include "connect/PrinterConnect.h"
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
    const PrinterConnection connection =
        ConnectPrinter(port_, usbDevice, target ? std::optional(target->path) : std::nullopt, *buffers_, RealPause());
    printer_ = connection.printer;
    switch (connection.outcome) {
        case ConnectOutcome::Connected: return ExitStatus::Done;
        case ConnectOutcome::NoDevice:
        case ConnectOutcome::PortOpenFailed:
            return reporter.FailWith(ExitStatus::NoDevice, ConnectFailureMessage(connection.outcome, usbDevice));
        case ConnectOutcome::MakerNameMismatch:
            return reporter.Fail(ExitStatus::PrinterFailed,
                                 std::string(reporter.Strings().Text(sid::kMakerNameMismatch)) + "\n" +
                                     std::string(reporter.Strings().Text(sid::kConnectFailed)));
        case ConnectOutcome::ReadFailed: break;
    }
    return reporter.FailWith(ExitStatus::PrinterFailed, ConnectFailureMessage(connection.outcome, usbDevice));
}

Sleeper RealPause() {
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

}  // namespace lanvane::cli
