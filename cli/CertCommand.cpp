#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DeviceAccess.h"
#include "cli/InputFile.h"
#include "cli/PrinterSession.h"
#include "cli/ProgressDisplay.h"
#include "cli/Terminal.h"
#include "cli/Utf8Path.h"
#include "link/InterruptRelease.h"
#include "protocol/CertificateFile.h"
#include "protocol/CertificateUpload.h"
#include "resources/StringIds.h"

namespace lanvane::cli {
namespace {

const std::map<std::string, CertKind> kKindNames = {
    {"ca", CertKind::CA}, {"client-key", CertKind::ClientKey}, {"client-pem", CertKind::ClientPem}};

struct CertOptions {
    DeviceOptions device;
    CertKind kind = CertKind::CA;
    std::string path;
};

int LoadMessageId(CertificateOutcome outcome) {
    switch (outcome) {
        case CertificateOutcome::Ok: return sid::kCertificateSelected;
        case CertificateOutcome::ReadFailed: return sid::kCertificateReadFailed;
        case CertificateOutcome::TooLarge: return sid::kCertificateTooLarge;
        case CertificateOutcome::Invalid: return sid::kCertificateInvalid;
    }
    return sid::kCertificateInvalid;
}

std::string KindName(CertKind kind) {
    const auto found = std::find_if(kKindNames.begin(), kKindNames.end(),
                                    [kind](const auto& entry) { return entry.second == kind; });
    return found == kKindNames.end() ? std::string() : found->first;
}

// The certificate from standard input, checked as a file is; the text read is wiped.
CertificateOutcome LoadStandardInput(CliContext& context, SecureBytes& certificate, std::string& refusal) {
    std::string text;
    if (InputRefusal failed = ReadInputFile("-", kCertificateSizeLimit - 1, context.in, text)) {
        refusal = *failed;
        return CertificateOutcome::TooLarge;
    }
    SecureBytes bytes(text.size());
    std::copy(text.begin(), text.end(), bytes.data());
    std::fill(text.begin(), text.end(), '\0');
    const CertificateOutcome outcome = CheckCertificate(bytes.data(), bytes.size());
    if (outcome == CertificateOutcome::Ok) {
        certificate = std::move(bytes);
    }
    return outcome;
}

ExitStatus LoadCertificate(const std::string& path, CliContext& context, Reporter& reporter, SecureBytes& certificate) {
    std::string refusal;
    CertificateOutcome outcome = CertificateOutcome::Ok;
    if (path == "-") {
        outcome = LoadStandardInput(context, certificate, refusal);
    } else if (InputRefusal failed = CheckInputFile(path, kCertificateSizeLimit - 1)) {
        refusal = *failed;
        outcome = CertificateOutcome::ReadFailed;
    } else {
        outcome = LoadCertificateFile(Utf8Path(path), certificate);
    }
    if (outcome != CertificateOutcome::Ok) {
        const std::string message(reporter.Strings().Text(LoadMessageId(outcome)));
        return reporter.Fail(ErrorKind::InvalidFile, refusal.empty() ? message : refusal);
    }
    reporter.Say(LoadMessageId(outcome));
    return ExitStatus::Done;
}

UploadOutcome Upload(PrinterSession& session, const CertOptions& options, const SecureBytes& certificate,
                     CliContext& context) {
    ProgressDisplay progress(context.err, MessagesGoToTerminal() && !context.quiet);
    const InterruptNotice notice(interrupted::kUploadingCertificate);
    const UploadOutcome outcome =
        UploadCertificate(session.Channel(), session.Buffers(), options.kind, certificate.data(),
                          certificate.size(), [&](int position) { progress.Show(position); }, RealPause());
    progress.Finish();
    return outcome;
}

ExitStatus FailedUpload(UploadOutcome outcome, PrinterSession& session, Reporter& reporter) {
    if (outcome == UploadOutcome::NotStarted || outcome == UploadOutcome::NotAcknowledged) {
        return reporter.Fail(ErrorKind::PrinterRefused,
                             std::string(reporter.Strings().Text(sid::kCertificateUploadFailed)) +
                                 " (the printer on " + session.DevicePath() + " refused it)");
    }
    return session.FailExchange(reporter, "uploading the certificate", false);
}

ExitStatus RunCert(const CertOptions& options, CliContext& context) {
    Reporter reporter(context);
    SecureBytes certificate;
    if (const ExitStatus status = LoadCertificate(options.path, context, reporter, certificate);
        status != ExitStatus::Done) {
        return status;
    }
    PrinterSession session(context);
    if (const ExitStatus status = session.Identify(options.device, reporter); status != ExitStatus::Done) {
        return status;
    }
    if (const UploadOutcome outcome = Upload(session, options, certificate, context); outcome != UploadOutcome::Ok) {
        return FailedUpload(outcome, session, reporter);
    }
    reporter.Say(sid::kCertificateUploaded);
    if (reporter.Json()) {
        reporter.Document({{"device", session.DevicePath()},
                           {"kind", KindName(options.kind)},
                           {"file", options.path},
                           {"size", certificate.size()},
                           {"uploaded", true}});
    }
    return ExitStatus::Done;
}

}  // namespace

void AddCertCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<CertOptions>();
    CLI::App* command = app.add_subcommand(
        "cert", "Check a certificate file (PEM, under 3 KB) and upload it to the printer.");
    AddDeviceOptions(*command, options->device, false);
    command->add_option("--kind", options->kind, "what the file holds")
        ->required()
        ->transform(CLI::CheckedTransformer(kKindNames).description(""))
        ->type_name("ca|client-key|client-pem");
    command->add_option("--file", options->path, "the certificate file; - reads the standard input")
        ->required()
        ->type_name("FILE|-");
    command->footer("Examples:\n"
                    "  lanvane-cli cert --usb USB001 --kind ca --file ca.pem\n"
                    "  lanvane-cli cert --serial " + std::string(HelpExampleDevices().serialPort) +
                    " --kind client-key --file - < client.key");
    command->callback([options, &context] { context.exitStatus = RunCert(*options, context); });
}

}  // namespace lanvane::cli
