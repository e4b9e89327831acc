#include <CLI/CLI.hpp>

#include <memory>
#include <sstream>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigDiff.h"
#include "cli/ConfigJson.h"
#include "cli/FieldCatalogue.h"
#include "cli/InputFile.h"
#include "cli/PrinterSession.h"
#include "cli/TextTable.h"
#include "link/InterruptRelease.h"
#include "link/SystemDeviceSource.h"
#include "protocol/PrinterConfigWriter.h"
#include "resources/StringIds.h"
#include "rules/ConfigSummary.h"
#include "rules/PageValuesFromConfig.h"
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
};

// The settings document, checked as far as it can be without the printer's record.
std::optional<nlohmann::json> LoadSettings(const std::string& path, CliContext& context, Reporter& reporter) {
    std::string text;
    if (InputRefusal refusal = ReadInputFile(path, kMaxSettingsBytes, context.in, text)) {
        reporter.Fail(ErrorKind::InvalidFile, *refusal);
        return std::nullopt;
    }
    nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        reporter.Fail(ErrorKind::InvalidFile, (path == "-" ? "the standard input" : path) + " is not a valid JSON document");
        return std::nullopt;
    }
    nlohmann::json settings = ConfigObjectOf(document);
    if (const auto error = CheckConfigJson(settings)) {
        reporter.Fail(ErrorKind::InvalidValue, error->reason, error->field);
        return std::nullopt;
    }
    return settings;
}

// The record rules of the configuration window's Update, over every page. A WEP key whose
// length names the other WEP cryptograph takes that cryptograph, as the window does.
ExitStatus ApplyRecordRules(InterfaceConfig& config, Reporter& reporter) {
    const rules::UpdateCheck check = rules::CheckWholeConfig(rules::PageValuesFromConfig(config));
    if (!check.Passed()) {
        const std::string_view field = rules::ConfigFieldName(check.failure->field);
        const nlohmann::ordered_json record = ConfigToJson(config, false);
        const std::string value = record.contains(field) ? record[std::string(field)].dump() + " refused: " : "";
        return reporter.Fail(ErrorKind::InvalidValue, value + ShellWords(reporter.Strings().Text(check.failure->messageId)),
                             field);
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

nlohmann::ordered_json WriteDocument(const std::string& device, const InterfaceConfig& config,
                                     const std::vector<rules::ConfigSummaryRow>& summary, bool showSecrets) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const rules::ConfigSummaryRow& row : summary) {
        rows.push_back({{"name", row.name}, {"value", row.value}});
    }
    return {{"device", device}, {"layout", config.version}, {"config", ConfigToJson(config, showSecrets)},
            {"summary", rows}};
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

// --dry-run: the fields that would change, and nothing written.
ExitStatus ShowDifference(PrinterSession& session, const InterfaceConfig& config, CliContext& context,
                          Reporter& reporter) {
    const std::vector<FieldChange> changes =
        DiffConfigs(ConfigToJson(session.Printer().config, true), ConfigToJson(config, true));
    if (reporter.Json()) {
        reporter.Document({{"device", session.DevicePath()},
                           {"layout", config.version},
                           {"dryRun", true},
                           {"differences", ChangesToJson(changes, context.showSecrets)}});
    } else {
        reporter.Out() << ChangesText(changes, context.showSecrets, "PRINTER", "TO WRITE");
    }
    return ExitStatus::Done;
}

ExitStatus WriteOne(const DeviceOptions& device, const nlohmann::json& settings, bool dryRun, CliContext& context) {
    Reporter reporter(context);
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(device, reporter); status != ExitStatus::Done) {
        return status;
    }
    InterfaceConfig config = session.Printer().config;
    if (const auto error = ApplyConfigJson(settings, config)) {
        return reporter.Fail(ErrorKind::InvalidValue, error->reason, error->field);
    }
    if (const ExitStatus status = ApplyRecordRules(config, reporter); status != ExitStatus::Done) {
        return status;
    }
    if (dryRun) {
        return ShowDifference(session, config, context, reporter);
    }
    const InterruptNotice notice(interrupted::kWritingRecord);
    if (const WriteOutcome outcome = WritePrinterConfig(session.Channel(), session.Buffers(), config);
        outcome != WriteOutcome::Ok) {
        return session.FailExchange(reporter, "writing the configuration", outcome == WriteOutcome::AcknowledgementRefused);
    }
    reporter.Say(sid::kConfigWriteCompleted);
    const auto summary = SummaryRows(config, context);
    if (reporter.Json()) {
        reporter.Document(WriteDocument(session.DevicePath(), config, summary, context.showSecrets));
    } else {
        WriteSummaryText(reporter.Out(), summary, context.strings);
    }
    return ExitStatus::Done;
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
ExitStatus WriteEveryUsbPrinter(const nlohmann::json& settings, bool dryRun, CliContext& context) {
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
            context.err << printer.displayName << " (" << printer.devicePath << "):\n";
        }
        const ExitStatus status = WriteOne(DeviceOptions{printer.devicePath, {}, {}}, settings, dryRun, one);
        worst = worst == ExitStatus::Done ? status : worst;
        if (reporter.Json()) {
            nlohmann::ordered_json report = nlohmann::ordered_json::parse(output.str(), nullptr, false);
            reports.push_back(nlohmann::ordered_json{{"name", printer.displayName}, {"status", static_cast<int>(status)}});
            if (report.is_object()) {
                report.erase("format");
                reports.back().update(report);
            }
        } else {
            reporter.Out() << "== " << printer.displayName << " (" << printer.devicePath << "): "
                           << (status == ExitStatus::Done ? "done" : "failed") << '\n'
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
        return WriteEveryUsbPrinter(*settings, options.dryRun, context);
    }
    return WriteOne(options.device, *settings, options.dryRun, context);
}

}  // namespace

void AddWriteCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<WriteOptions>();
    CLI::App* command = app.add_subcommand(
        "write", "Read the printer, set the fields of a JSON document on its record, check the record as the "
                 "configuration window does and write it back. Nothing is written when a value is refused.");
    CLI::Option* allUsb = command->add_flag("--all-usb", options->allUsb,
                                            "every connected USB printer of our product in turn, a report each");
    AddDeviceOptions(*command, options->device, false, allUsb);
    command->add_flag("--dry-run", options->dryRun,
                      "read the printer and show the fields that would change; write nothing");
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
