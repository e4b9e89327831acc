#include "cli/PrinterSession.h"

#include <thread>

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
    if (!target) {
        return reporter.FailWith(ExitStatus::NoDevice, sid::kNoUsbDevice);
    }
    port_.SetUsbDevice(target->usbKind);
    port_.SetPortName(target->path);
    if (!port_.Open()) {
        return reporter.Fail(ExitStatus::NoDevice, WithDetail(reporter.Strings().Text(sid::kPortOpenFailed)));
    }
    const InterruptNotice notice(interrupted::kReadingRecord);
    printer_ = ReadPrinterConfig(port_, *buffers_, RealPause());
    const std::string connectFailed(reporter.Strings().Text(sid::kConnectFailed));
    // A device that gives no maker name at all did not answer; that is no other maker's printer.
    if (printer_.outcome == ReadOutcome::MakerNameMismatch && printer_.makerName.empty()) {
        return reporter.Fail(ExitStatus::PrinterFailed,
                             "No reply from the printer on " + target->path + ".\n" + connectFailed);
    }
    if (printer_.outcome == ReadOutcome::MakerNameMismatch) {
        const std::string message =
            std::string(reporter.Strings().Text(sid::kMakerNameMismatch)) + "\n" + connectFailed;
        return reporter.Fail(ExitStatus::PrinterFailed, message);
    }
    if (printer_.outcome != ReadOutcome::Ok) {
        return reporter.Fail(ExitStatus::PrinterFailed, WithDetail(connectFailed));
    }
    return ExitStatus::Done;
}

std::string PrinterSession::WithDetail(std::string_view message) const {
    const LinkError error = port_.LastError();
    return error.Failed() ? std::string(message) + "\n" + Describe(error) : std::string(message);
}

Sleeper RealPause() {
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

}  // namespace lanvane::cli
