#include <CLI/CLI.hpp>

#include <map>
#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/PrinterSession.h"
#include "cli/ProgressDisplay.h"
#include "cli/Terminal.h"
#include "protocol/CertificateFile.h"
#include "link/InterruptRelease.h"
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
    bool json = false;
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
    for (const auto& [name, value] : kKindNames) {
        if (value == kind) {
            return name;
        }
    }
    return {};
}

UploadOutcome Upload(PrinterSession& session, const CertOptions& options, const SecureBytes& certificate,
                     CliContext& context) {
    ProgressDisplay progress(context.err, MessagesGoToTerminal());
    const InterruptNotice notice(interrupted::kUploadingCertificate);
    const UploadOutcome outcome =
        UploadCertificate(session.Channel(), session.Buffers(), options.kind, certificate.data(),
                          certificate.size(), [&](int position) { progress.Show(position); }, RealPause());
    progress.Finish();
    return outcome;
}

ExitStatus RunCert(const CertOptions& options, CliContext& context) {
    Reporter reporter(context, options.json);
    SecureBytes certificate;
    const CertificateOutcome loaded = LoadCertificateFile(options.path, certificate);
    if (loaded != CertificateOutcome::Ok) {
        return reporter.FailWith(ExitStatus::BadUsage, LoadMessageId(loaded));
    }
    reporter.Say(LoadMessageId(loaded));
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(options.device, reporter); status != ExitStatus::Done) {
        return status;
    }
    if (Upload(session, options, certificate, context) != UploadOutcome::Ok) {
        return reporter.FailWith(ExitStatus::PrinterFailed, sid::kCertificateUploadFailed);
    }
    reporter.Say(sid::kCertificateUploaded);
    if (reporter.Json()) {
        reporter.Document({{"kind", KindName(options.kind)},
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
    command->add_option("--kind", options->kind, "certificate kind: ca, client-key or client-pem")
        ->required()
        ->transform(CLI::CheckedTransformer(kKindNames));
    command->add_option("--file", options->path, "the certificate file")->required();
    command->add_flag("--json", options->json, "print one JSON document");
    command->callback([options, &context] { context.exitStatus = RunCert(*options, context); });
}

}  // namespace lanvane::cli
