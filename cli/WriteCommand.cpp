#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigDiff.h"
#include "cli/ConfigJson.h"
#include "cli/FieldCatalogue.h"
#include "cli/InputFile.h"
#include "cli/JsonReader.h"
#include "cli/PrinterSession.h"
#include "cli/RecordRules.h"
#include "cli/SettingsDocument.h"
#include "cli/TextTable.h"
#include "cli/VisibleText.h"
#include "cli/WriteReport.h"
#include "link/InterruptRelease.h"
#include "link/SystemDeviceSource.h"
#include "protocol/AddressText.h"
#include "protocol/PrinterConfigWriter.h"
#include "resources/StringIds.h"
#include "rules/ConfigSummary.h"
#include "rules/RecordPageValues.h"
#include "rules/UpdateRules.h"

namespace lanvane::cli {
namespace {

// A settings document is small; anything far larger is a mistake, not settings.
constexpr std::uintmax_t kMaxSettingsBytes = 1 << 20;

struct WriteOptions {
    DeviceOptions device;
    std::string settingsPath;
    bool dryRun = false;
    bool allUsb = false;
    bool anyPrinter = false;
    bool dropUnsupported = false;
};

// The fields to set, and the printer the document was saved from when it says so.
struct Settings {
    nlohmann::json fields;
    std::optional<std::string> savedFrom;
};

// The settings document, checked as far as it can be without the printer's record.
std::optional<Settings> LoadSettings(const std::string& path, CliContext& context, Reporter& reporter) {
    std::string text;
    if (InputRefusal refusal = ReadInputFile(path, kMaxSettingsBytes, context.in, text)) {
        reporter.Fail(ErrorKind::InvalidFile, *refusal);
        return std::nullopt;
    }
    const auto reading = ReadJsonDocument<nlohmann::json>(text, path == "-" ? "the standard input" : path);
    if (reading.refusal) {
        reporter.Fail(ErrorKind::InvalidFile, *reading.refusal);
        return std::nullopt;
    }
    if (const auto error = CheckDocumentFrame(reading.document)) {
        reporter.Fail(ErrorKind::InvalidValue, error->reason, error->field);
        return std::nullopt;
    }
    nlohmann::json settings = ConfigObjectOf(reading.document);
    if (const auto error = CheckConfigJson(settings)) {
        reporter.Fail(ErrorKind::InvalidValue, error->reason, error->field);
        return std::nullopt;
    }
    return Settings{std::move(settings), SavedFromMac(reading.document)};
}

// Settings saved from one printer are not put on another by mistake: its identity and
// addresses would be copied with them.
ExitStatus CheckSamePrinter(const Settings& settings, const std::string& macAddress, const WriteOptions& options,
                            Reporter& reporter) {
    const auto same = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
    if (!settings.savedFrom || options.anyPrinter ||
        std::ranges::equal(*settings.savedFrom, macAddress, same)) {
        return ExitStatus::Done;
    }
    return reporter.Fail(ErrorKind::InvalidValue,
                         "the settings were saved from the printer " + *settings.savedFrom + ", not from this one (" +
                             macAddress + "); --any-printer writes them all the same",
                         "macAddress");
}

// The fields the printer's record layout lacks: refused, or with --drop-unsupported left out
// and named.
std::optional<nlohmann::json> FieldsForLayout(const nlohmann::json& fields, int version, const WriteOptions& options,
                                              Reporter& reporter, std::vector<std::string>& dropped) {
    const std::vector<std::string> outside = FieldsOutsideLayout(fields, version);
    if (outside.empty()) {
        return fields;
    }
    const std::string lacks = "the printer's layout " + std::to_string(version) + " record lacks " + JoinedNames(outside);
    if (!options.dropUnsupported) {
        reporter.Fail(ErrorKind::InvalidValue, lacks + "; --drop-unsupported writes the other fields", outside.front());
        return std::nullopt;
    }
    reporter.Say("dropped: " + lacks);
    dropped = outside;
    return WithoutFields(fields, outside);
}

// The rules on what changed, then those of the configuration window's Update over every
// page. A WEP key whose length names the other WEP cryptograph takes that cryptograph, as the
// window does.
ExitStatus ApplyRecordRules(const InterfaceConfig& reported, InterfaceConfig& config, Reporter& reporter) {
    if (const auto refusal = CheckChangedValues(reported, config, reporter.Strings())) {
        return reporter.Fail(ErrorKind::InvalidValue, refusal->reason, refusal->field);
    }
    const rules::UpdateCheck check = rules::CheckWholeConfig(rules::PageValuesFromConfig(config));
    if (!check.Passed()) {
        const ConfigJsonError refusal = PageRuleRefusal(rules::ConfigFieldName(check.failure->field),
                                                        check.failure->messageId, config, reporter.Strings());
        return reporter.Fail(ErrorKind::InvalidValue, refusal.reason, refusal.field);
    }
    if (check.wepCryptograph) {
        config.cryptograph = static_cast<std::uint8_t>(*check.wepCryptograph);
    }
    return ExitStatus::Done;
}

// The summary rows of the secret fields, masked unless secrets are shown.
std::vector<rules::ConfigSummaryRow> SummaryRows(const InterfaceConfig& config, const CliContext& context) {
    std::vector<rules::ConfigSummaryRow> rows = rules::ConfigSummaryRows(config, context.strings);
    if (context.showSecrets) {
        return rows;
    }
    // Each secret set to a marker no record holds shows which rows carry a secret.
    InterfaceConfig masked = config;
    for (const FieldSpec& fieldSpec : FieldSpecs()) {
        if (const auto* member = std::get_if<std::string InterfaceConfig::*>(&fieldSpec.record->member);
            member != nullptr && fieldSpec.IsSecret()) {
            masked.*(*member) = "\x01";
        }
    }
    const std::vector<rules::ConfigSummaryRow> probe = rules::ConfigSummaryRows(masked, context.strings);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        if (probe[index].value == "\x01") {
            rows[index].value = kMaskedSecret;
        }
    }
    return rows;
}

void WriteSummaryText(std::ostream& out, const std::vector<rules::ConfigSummaryRow>& summary,
                      const StringTable& strings) {
    std::vector<TextRow> rows{{std::string(strings.Text(sid::kColumnNo)),
                               std::string(strings.Text(sid::kColumnName)),
                               std::string(strings.Text(sid::kColumnValue))}};
    for (std::size_t index = 0; index < summary.size(); ++index) {
        rows.push_back({std::to_string(index + 1), summary[index].name, summary[index].value});
    }
    WriteColumns(out, rows);
}

nlohmann::ordered_json SummaryJson(const std::vector<rules::ConfigSummaryRow>& summary) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const rules::ConfigSummaryRow& row : summary) {
        rows.push_back({{"name", row.name}, {"value", row.value}});
    }
    return rows;
}

// One printer's report: what became of it, the fields that differ, and the record with its
// summary (the text shows the summary of a record written only). Under --quiet the text
// shows nothing.
void ReportWrite(const PrinterSession& session, const InterfaceConfig& config, const WriteResult& result,
                 const std::vector<std::string>& dropped, CliContext& context, Reporter& reporter) {
    const bool written = result.outcome == Outcome::Set;
    if (reporter.Json()) {
        nlohmann::ordered_json document{{"device", session.DevicePath()},
                                        {"identification", IdentificationToJson(session.Printer().identification)},
                                        {"layout", config.version}};
        document.update(WriteResultJson(result, context.showSecrets));
        document["config"] = ConfigToJson(config, context.showSecrets);
        document["summary"] = SummaryJson(SummaryRows(config, context));
        if (!dropped.empty()) {
            document["dropped"] = dropped;
        }
        reporter.Document(document);
    } else if (!context.quiet) {
        reporter.Out() << WriteResultText(result, context.showSecrets);
        if (written) {
            reporter.Out() << '\n';
            WriteSummaryText(reporter.Out(), SummaryRows(config, context), context.strings);
        }
    }
}

// What a write did to one printer, for the report of --all-usb.
struct PrinterWrite {
    ExitStatus status = ExitStatus::Done;
    Outcome outcome = Outcome::Failed;
    std::string macAddress;  // empty when the printer was not read
};

PrinterWrite Failure(ExitStatus status, const PrinterSession& session) {
    const bool read = session.Printer().outcome == ReadOutcome::Ok;
    return {status, status == ExitStatus::BadUsage ? Outcome::Refused : Outcome::Failed,
            read ? LanMacText(session.Printer().identification.mac) : ""};
}

// Reads the printer and writes the record with the settings laid over it, unless it
// already holds them or this is a dry run.
PrinterWrite WriteOne(const DeviceOptions& device, const Settings& settings, const WriteOptions& options,
                      CliContext& context) {
    Reporter reporter(context);
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(device, reporter); status != ExitStatus::Done) {
        return Failure(status, session);
    }
    const std::string macAddress = LanMacText(session.Printer().identification.mac);
    if (const ExitStatus status = CheckSamePrinter(settings, macAddress, options, reporter); status != ExitStatus::Done) {
        return Failure(status, session);
    }
    InterfaceConfig config = session.Printer().config;
    std::vector<std::string> dropped;
    const auto fields = FieldsForLayout(settings.fields, config.version, options, reporter, dropped);
    if (!fields) {
        return Failure(ExitStatus::BadUsage, session);
    }
    if (const auto error = ApplyConfigJson(*fields, config)) {
        return Failure(reporter.Fail(ErrorKind::InvalidValue, error->reason, error->field), session);
    }
    if (const ExitStatus status = ApplyRecordRules(session.Printer().config, config, reporter);
        status != ExitStatus::Done) {
        return Failure(status, session);
    }
    WriteResult result{Outcome::Unchanged,
                       DiffConfigs(ConfigToJson(session.Printer().config, true), ConfigToJson(config, true)),
                       options.dryRun};
    if (!result.changes.empty()) {
        result.outcome = options.dryRun ? Outcome::WouldSend : Outcome::Set;
    }
    if (result.outcome == Outcome::Set) {
        const InterruptNotice notice(interrupted::kWritingRecord);
        if (const WriteOutcome outcome = WritePrinterConfig(session.Channel(), session.Buffers(), config);
            outcome != WriteOutcome::Ok) {
            return Failure(session.FailWrite(reporter, outcome), session);
        }
        reporter.Say("The configuration has been written. Restart the printer so that the new settings take effect.");
    }
    ReportWrite(session, config, result, dropped, context, reporter);
    return {ExitStatus::Done, result.outcome, macAddress};
}

// Every connected USB printer of our product, in the order 'ports' lists them.
std::vector<UsbDeviceEntry> OurUsbPrinters(const CliContext& context) {
    SystemDeviceSource devices(context.systemRoot, context.deviceRoot, UsbListing::EveryPresent);
    std::vector<UsbDeviceEntry> ours;
    for (UsbDeviceEntry& entry : devices.UsbDevices()) {
        if (entry.productId == kPrinterProductId) {
            ours.push_back(std::move(entry));
        }
    }
    return ours;
}

// --all-usb: each printer written in turn as by its own run, its output gathered into one
// report. The status is that of the first printer that failed.
ExitStatus WriteEveryUsbPrinter(const Settings& settings, const WriteOptions& options, CliContext& context) {
    Reporter reporter(context);
    const std::vector<UsbDeviceEntry> printers = OurUsbPrinters(context);
    if (printers.empty()) {
        return reporter.Fail(ErrorKind::NotFound, "no USB printer of our product is connected ('lanvane-cli ports' lists "
                                                  "the devices present)");
    }
    ExitStatus worst = ExitStatus::Done;
    nlohmann::ordered_json reports = nlohmann::ordered_json::array();
    for (const UsbDeviceEntry& printer : printers) {
        std::ostringstream output;
        CliContext one = context.WithOutput(output);
        if (!context.quiet) {
            context.err << VisibleText(printer.displayName) << " (" << VisibleText(printer.devicePath) << "):\n";
        }
        const PrinterWrite write = WriteOne(DeviceOptions{printer.devicePath, {}, {}}, settings, options, one);
        worst = worst == ExitStatus::Done ? write.status : worst;
        const nlohmann::ordered_json mac = write.macAddress.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(write.macAddress);
        if (reporter.Json()) {
            nlohmann::ordered_json report = nlohmann::ordered_json::parse(output.str(), nullptr, false);
            reports.push_back(nlohmann::ordered_json{{"name", printer.displayName}, {"macAddress", mac}});
            if (report.is_object()) {
                report.erase("format");
                reports.back().update(report);
            }
            reports.back()["outcome"] = OutcomeName(write.outcome);
        } else if (!context.quiet) {
            reporter.Out() << "== " << printer.displayName << " (" << printer.devicePath << ")"
                           << (write.macAddress.empty() ? "" : " " + write.macAddress) << ": "
                           << OutcomeName(write.outcome) << '\n'
                           << output.str();
        }
    }
    if (reporter.Json()) {
        reporter.Document({{"printers", reports}});
    }
    return worst;
}

ExitStatus RunWrite(const WriteOptions& options, CliContext& context) {
    Reporter reporter(context);
    const auto settings = LoadSettings(options.settingsPath, context, reporter);
    if (!settings) {
        return ExitStatus::BadUsage;
    }
    if (options.allUsb) {
        return WriteEveryUsbPrinter(*settings, options, context);
    }
    return WriteOne(options.device, *settings, options, context).status;
}

}  // namespace

void AddWriteCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<WriteOptions>();
    CLI::App* command = app.add_subcommand(
        "write", "Read the printer, set the fields of a JSON document on its record, check the record as the "
                 "configuration window does and write it back. Nothing is written when a value is refused or "
                 "when the printer already holds every value (reported as unchanged).");
    CLI::Option* allUsb = command->add_flag("--all-usb", options->allUsb,
                                            "every connected USB printer of our product in turn, a report each");
    AddDeviceOptions(*command, options->device, false, allUsb);
    command->add_flag("--dry-run", options->dryRun,
                      "read the printer and show the fields that would change (would-send); write nothing");
    command->add_flag("--any-printer", options->anyPrinter,
                      "write a document saved from another printer (its identification names another MAC address)");
    command->add_flag("--drop-unsupported", options->dropUnsupported,
                      "leave out, and name, the fields the printer's record layout lacks instead of refusing them");
    command->add_option("--set", options->settingsPath,
                        "JSON object of record fields to set, or the whole output of 'read --json'; - reads the "
                        "standard input. 'lanvane-cli fields' lists the fields.")
        ->required()
        ->type_name("FILE|-");
    command->footer("Examples:\n"
                    "  echo '{\"ssid\": \"Office\", \"dhcp\": true}' | lanvane-cli write --usb USB001 --set -\n"
                    "  lanvane-cli read --usb USB001 --json > printer.json   # edit printer.json, then\n"
                    "  lanvane-cli write --usb USB001 --set printer.json\n"
                    "  lanvane-cli write --usb USB001 --set printer.json --dry-run\n"
                    "  lanvane-cli write --all-usb --set wifi.json\n"
                    "A secret left as ******** keeps the printer's value.");
    command->callback([options, &context] { context.exitStatus = RunWrite(*options, context); });
}

}  // namespace lanvane::cli
