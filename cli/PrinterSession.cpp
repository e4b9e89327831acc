#include "cli/PrinterSession.h"

#include <thread>

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
    if (!target) {
        return reporter.FailWith(ExitStatus::NoDevice, sid::kNoUsbDevice);
    }
    port_.SetUsbDevice(target->usbKind);
    port_.SetPortName(target->path);
    if (!port_.Open()) {
        return reporter.FailWith(ExitStatus::NoDevice, sid::kPortOpenFailed);
    }
    printer_ = ReadPrinterConfig(port_, *buffers_, RealPause());
    if (printer_.outcome == ReadOutcome::MakerNameMismatch) {
        const std::string message = std::string(reporter.Strings().Text(sid::kMakerNameMismatch)) + "\n" +
                                    std::string(reporter.Strings().Text(sid::kConnectFailed));
        return reporter.Fail(ExitStatus::PrinterFailed, message);
    }
    if (printer_.outcome != ReadOutcome::Ok) {
        return reporter.FailWith(ExitStatus::PrinterFailed, sid::kConnectFailed);
    }
    return ExitStatus::Done;
}

Sleeper RealPause() {
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

}  // namespace lanvane::cli
