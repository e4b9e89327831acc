#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>

#include "cli/CertificateValidity.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DeviceAccess.h"
#include "cli/InputFile.h"
#include "cli/PrinterSession.h"
#include "cli/ProgressDisplay.h"
#include "cli/Terminal.h"
#include "cli/Utf8Path.h"
#include "cli/VisibleText.h"
#include "link/InterruptRelease.h"
#include "protocol/CertificateFile.h"
#include "protocol/CertificateUpload.h"
#include "protocol/PemBlocks.h"
#include "resources/StringIds.h"
#include "rules/CertificateMessage.h"

namespace lanvane::cli {
namespace {

const std::map<std::string, CertKind> kKindNames = {
    {"ca", CertKind::CA}, {"client-key", CertKind::ClientKey}, {"client-pem", CertKind::ClientPem}};

struct CertOptions {
    DeviceOptions device;
    CertKind kind = CertKind::CA;
    std::string path;
};

std::string KindName(CertKind kind) {
    const auto found = std::find_if(kKindNames.begin(), kKindNames.end(),
                                    [kind](const auto& entry) { return entry.second == kind; });
    return found == kKindNames.end() ? std::string() : found->first;
}

// Standard input, read whole if it is under the size limit, into wiped memory only.
CertificateOutcome ReadStandardInput(std::istream& input, SecureBytes& bytes) {
    SecureBytes buffer(kCertificateSizeLimit);
    input.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    if (input.bad()) {
        return CertificateOutcome::ReadFailed;
    }
    const auto size = static_cast<std::size_t>(input.gcount());
    if (size == buffer.size()) {
        return CertificateOutcome::TooLarge;
    }
    bytes = SecureBytes(size);
    std::copy_n(buffer.data(), size, bytes.data());
    return CertificateOutcome::Ok;
}

// The input's bytes: Ok, ReadFailed or TooLarge. `refusal` gets the input checks' own words
// (a directory, a FIFO, no such file) when they refuse the file.
CertificateOutcome ReadInput(const CertOptions& options, CliContext& context, SecureBytes& bytes,
                             std::string& refusal) {
    if (options.path == "-") {
        return ReadStandardInput(context.in, bytes);
    }
    if (InputRefusal failed = CheckInputFile(options.path, std::numeric_limits<std::uintmax_t>::max())) {
        refusal = *failed;
        return CertificateOutcome::ReadFailed;
    }
    return ReadCertificateFile(Utf8Path(options.path), bytes);
}

std::string SizeDetail(const CertOptions& options) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(Utf8Path(options.path), error);
    if (options.path == "-" || error) {
        return " (the input has more than " + std::to_string(kCertificateSizeLimit - 1) + " bytes)";
    }
    return " (" + options.path + " has " + std::to_string(size) + " bytes)";
}

// The PEM blocks a refused file holds: " (it holds: ...)".
std::string BlocksDetail(const SecureBytes& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::string labels;
    for (const PemBlock& block : ReadPemBlocks(text).value_or(std::vector<PemBlock>{})) {
        labels += (labels.empty() ? "" : ", ") + VisibleText(block.label);
    }
    return labels.empty() ? labels : " (it holds: " + labels + ")";
}

ExitStatus LoadCertificate(const CertOptions& options, CliContext& context, Reporter& reporter,
                           SecureBytes& certificate) {
    std::string refusal;
    SecureBytes bytes;
    CertificateOutcome outcome = ReadInput(options, context, bytes, refusal);
    if (outcome == CertificateOutcome::Ok) {
        outcome = CheckCertificate(bytes.View(), options.kind);
    }
    if (outcome != CertificateOutcome::Ok) {
        if (refusal.empty()) {
            refusal = ShellWords(CertificateMessage(reporter.Strings(), outcome, options.kind, options.path)) +
                      (outcome == CertificateOutcome::TooLarge ? SizeDetail(options) : BlocksDetail(bytes));
        }
        return reporter.Fail(ErrorKind::InvalidFile, refusal);
    }
    certificate = std::move(bytes);
    reporter.Say(sid::kCertificateSelected);
    return ExitStatus::Done;
}

UploadOutcome Upload(PrinterSession& session, const CertOptions& options, const SecureBytes& certificate,
                     CliContext& context) {
    ProgressDisplay progress(context.err, MessagesGoToTerminal() && !context.quiet);
    const InterruptNotice notice(interrupted::kUploadingCertificate);
    const UploadOutcome outcome =
        UploadCertificate(session.Channel(), session.Buffers(), options.kind, certificate.View(),
                          [&](int position) { progress.Show(position); }, RealPause());
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

// The subject and validity of each certificate, shown before the upload; a certificate out
// of its validity is only warned about. Refused when one is not a readable X.509 certificate.
ExitStatus ShowCertificates(const CertOptions& options, const SecureBytes& certificate, Reporter& reporter,
                            nlohmann::ordered_json& documented) {
    documented = nlohmann::ordered_json::array();
    if (options.kind == CertKind::ClientKey) {
        return ExitStatus::Done;
    }
    const std::string_view pem(reinterpret_cast<const char*>(certificate.data()), certificate.size());
    const auto certificates = ReadCertificates(pem);
    if (!certificates) {
        return reporter.Fail(ErrorKind::InvalidFile, ShellWords(reporter.Strings().Text(sid::kCertificateInvalid)) +
                                                         " (a CERTIFICATE block is no readable X.509 certificate)");
    }
    const auto now = std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
    for (const CertificateDetails& details : *certificates) {
        for (const std::string& line : ValidityLines(details, now)) {
            reporter.Say(line);
        }
        documented.push_back(ValidityJson(details, now));
    }
    return ExitStatus::Done;
}

ExitStatus RunCert(const CertOptions& options, CliContext& context) {
    Reporter reporter(context);
    SecureBytes certificate;
    nlohmann::ordered_json certificates;
    if (const ExitStatus status = LoadCertificate(options, context, reporter, certificate);
        status != ExitStatus::Done) {
        return status;
    }
    if (const ExitStatus status = ShowCertificates(options, certificate, reporter, certificates);
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
                           {"certificates", certificates},
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
