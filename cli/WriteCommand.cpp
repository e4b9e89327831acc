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
#include "cli/PrinterSession.h"
#include "cli/RecordRules.h"
#include "cli/SettingsDocument.h"
#include "cli/TextTable.h"
#include "link/InterruptRelease.h"
#include "link/SystemDeviceSource.h"
#include "protocol/AddressText.h"
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
    return Settings{std::move(settings), SavedFromMac(document)};
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

nlohmann::ordered_json WriteDocument(const std::string& device, const InterfaceConfig& config,
                                     const std::vector<rules::ConfigSummaryRow>& summary, bool showSecrets) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const rules::ConfigSummaryRow& row : summary) {
        rows.push_back({{"name", row.name}, {"value", row.value}});
    }
    return {{"device", device}, {"layout", config.version}, {"config", ConfigToJson(config, showSecrets)},
            {"summary", rows}};
}

// The fields --drop-unsupported left out, in a --json document that names them.
nlohmann::ordered_json WithDropped(nlohmann::ordered_json document, const std::vector<std::string>& dropped) {
    if (!dropped.empty()) {
        document["dropped"] = dropped;
    }
    return document;
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
                          Reporter& reporter, const std::vector<std::string>& dropped) {
    const std::vector<FieldChange> changes =
        DiffConfigs(ConfigToJson(session.Printer().config, true), ConfigToJson(config, true));
    if (reporter.Json()) {
        reporter.Document(WithDropped({{"device", session.DevicePath()},
                                       {"layout", config.version},
                                       {"dryRun", true},
                                       {"differences", ChangesToJson(changes, context.showSecrets)}},
                                      dropped));
    } else {
        reporter.Out() << ChangesText(changes, context.showSecrets, "PRINTER", "TO WRITE");
    }
    return ExitStatus::Done;
}

// Writes one printer; `macAddress` takes its MAC once it was read.
ExitStatus WriteOne(const DeviceOptions& device, const Settings& settings, const WriteOptions& options,
                    CliContext& context, std::string& macAddress) {
    Reporter reporter(context);
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(device, reporter); status != ExitStatus::Done) {
        return status;
    }
    macAddress = LanMacText(session.Printer().identification.mac);
    if (const ExitStatus status = CheckSamePrinter(settings, macAddress, options, reporter); status != ExitStatus::Done) {
        return status;
    }
    InterfaceConfig config = session.Printer().config;
    std::vector<std::string> dropped;
    const auto fields = FieldsForLayout(settings.fields, config.version, options, reporter, dropped);
    if (!fields) {
        return ExitStatus::BadUsage;
    }
    if (const auto error = ApplyConfigJson(*fields, config)) {
        return reporter.Fail(ErrorKind::InvalidValue, error->reason, error->field);
    }
    if (const ExitStatus status = ApplyRecordRules(session.Printer().config, config, reporter); status != ExitStatus::Done) {
        return status;
    }
    if (options.dryRun) {
        return ShowDifference(session, config, context, reporter, dropped);
    }
    const InterruptNotice notice(interrupted::kWritingRecord);
    if (const WriteOutcome outcome = WritePrinterConfig(session.Channel(), session.Buffers(), config);
        outcome != WriteOutcome::Ok) {
        return session.FailExchange(reporter, "writing the configuration", outcome == WriteOutcome::AcknowledgementRefused);
    }
    reporter.Say(sid::kConfigWriteCompleted);
    const auto summary = SummaryRows(config, context);
    if (reporter.Json()) {
        reporter.Document(WithDropped(WriteDocument(session.DevicePath(), config, summary, context.showSecrets), dropped));
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
            context.err << printer.displayName << " (" << printer.devicePath << "):\n";
        }
        std::string macAddress;
        const ExitStatus status = WriteOne(DeviceOptions{printer.devicePath, {}, {}}, settings, options, one, macAddress);
        worst = worst == ExitStatus::Done ? status : worst;
        if (reporter.Json()) {
            nlohmann::ordered_json report = nlohmann::ordered_json::parse(output.str(), nullptr, false);
            reports.push_back(nlohmann::ordered_json{{"name", printer.displayName},
                                                     {"macAddress", macAddress.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(macAddress)},
                                                     {"status", static_cast<int>(status)}});
            if (report.is_object()) {
                report.erase("format");
                reports.back().update(report);
            }
        } else {
            reporter.Out() << "== " << printer.displayName << " (" << printer.devicePath
                           << (macAddress.empty() ? "" : ", " + macAddress) << "): "
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
        return WriteEveryUsbPrinter(*settings, options, context);
    }
    std::string macAddress;
    return WriteOne(options.device, *settings, options, context, macAddress);
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
