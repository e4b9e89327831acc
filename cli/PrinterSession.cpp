#include "cli/PrinterSession.h"

#include <thread>

#include "cli/DeviceDiagnosis.h"
#include "cli/VisibleText.h"
#include "link/InterruptRelease.h"
#include "link/SystemDeviceSource.h"
#include "resources/StringIds.h"

namespace lanvane::cli {

PrinterSession::PrinterSession(CliContext& context)
    : context_(context),
      port_(context.ReadTimings(), MakeSystemModemLines()),
      tracing_(port_, context.err, context.showSecrets),
      buffers_(std::make_unique<ExchangeBuffers>()) {}

ByteChannel& PrinterSession::Channel() {
    return context_.verbose ? static_cast<ByteChannel&>(tracing_) : port_;
}

ExitStatus PrinterSession::OpenDevice(const DeviceOptions& options, Reporter& reporter) {
    // Every present device, so that USB002 names the device 'ports' lists as USB002.
    SystemDeviceSource devices(context_.systemRoot, context_.deviceRoot, UsbListing::EveryPresent);
    const auto target = ChooseDevice(options, devices);
    if (!target) {
        return reporter.Fail(ErrorKind::NotFound, "no USB printer named " + options.usb +
                                                      " is connected ('lanvane-cli ports' lists them)");
    }
    path_ = target->path;
    port_.SetUsbDevice(target->usbKind);
    port_.SetPortName(target->path);
    if (context_.verbose) {
        context_.err << "lanvane-cli: opening " << VisibleText(path_) << (target->usbKind ? " as a USB printer\n" : " as a serial port\n");
    }
    if (!port_.Open()) {
        const DeviceDiagnosis diagnosis = DiagnoseOpen(port_.LastError(), path_);
        return reporter.Fail(diagnosis.kind, diagnosis.message);
    }
    return ExitStatus::Done;
}

ExitStatus PrinterSession::Identify(const DeviceOptions& options, Reporter& reporter) {
    if (const ExitStatus status = OpenDevice(options, reporter); status != ExitStatus::Done) {
        return status;
    }
    // One read: a printer that stays silent for the whole wait is not going to answer.
    const std::string makerName = ReadMakerName(Channel(), RealPause(), 1);
    if (makerName.empty()) {
        return FailExchange(reporter, "identifying the printer", false);
    }
    if (makerName != kMakerName) {
        return reporter.Fail(ErrorKind::WrongMaker, "the printer on " + path_ + " is not one of ours (it says \"" +
                                                        VisibleText(makerName) + "\")");
    }
    return ExitStatus::Done;
}

ExitStatus PrinterSession::Connect(const DeviceOptions& options, Reporter& reporter) {
    if (const ExitStatus status = Identify(options, reporter); status != ExitStatus::Done) {
        return status;
    }
    const InterruptNotice notice(interrupted::kReadingRecord);
    printer_ = ReadIdentifiedPrinter(Channel(), *buffers_);
    switch (printer_.outcome) {
        case ReadOutcome::Ok: return ExitStatus::Done;
        case ReadOutcome::SystemResponseRefused:
        case ReadOutcome::RecordRefused: return FailExchange(reporter, "reading the configuration", true);
        default: return FailExchange(reporter, "reading the configuration", false);
    }
}

DeviceDiagnosis PrinterSession::ExchangeFailure(std::string_view what, bool damaged) const {
    if (damaged) {
        return {ErrorKind::Checksum, "the printer on " + path_ + " sent a damaged answer while " + std::string(what) +
                                         " (checksum or tag wrong)"};
    }
    return DiagnoseExchange(port_.LastError(), path_, what);
}

ExitStatus PrinterSession::FailExchange(Reporter& reporter, std::string_view what, bool damaged) {
    const DeviceDiagnosis diagnosis = ExchangeFailure(what, damaged);
    return reporter.Fail(diagnosis.kind, diagnosis.message + (damaged ? "; try again" : ""));
}

ExitStatus PrinterSession::FailWrite(Reporter& reporter, WriteOutcome outcome) {
    const bool damaged = outcome == WriteOutcome::AcknowledgementRefused;
    const DeviceDiagnosis diagnosis = ExchangeFailure("writing the configuration", damaged);
    // Once the record went out, only its answer is missing: the printer may have taken it.
    const bool recordSent = damaged || outcome == WriteOutcome::NoReply;
    return reporter.Fail(diagnosis.kind,
                         diagnosis.message + (recordSent ? "; the printer may already hold the new record: read it "
                                                           "back before writing again"
                                                         : ""));
}

Sleeper RealPause() {
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

}  // namespace lanvane::cli
