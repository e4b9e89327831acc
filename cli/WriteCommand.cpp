#include <CLI/CLI.hpp>

#include <fstream>
#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigJson.h"
#include "cli/PrinterSession.h"
#include "cli/TextTable.h"
#include "rules/ConfigSummary.h"
#include "rules/PageValuesFromConfig.h"
#include "rules/UpdateRules.h"
#include "link/InterruptRelease.h"
#include "protocol/PrinterConfigWriter.h"
#include "resources/StringIds.h"

namespace lanvane::cli {
namespace {

struct WriteOptions {
    DeviceOptions device;
    std::string settingsPath;
    bool json = false;
};

// The settings file, checked as far as it can be without the printer's record.
std::optional<nlohmann::json> LoadSettings(const std::string& path, Reporter& reporter) {
    std::ifstream file(path);
    if (!file) {
        reporter.Fail(ExitStatus::BadUsage, path + ": cannot be read");
        return std::nullopt;
    }
    nlohmann::json settings = nlohmann::json::parse(file, nullptr, false);
    if (settings.is_discarded()) {
        reporter.Fail(ExitStatus::BadUsage, path + ": not a valid JSON document");
        return std::nullopt;
    }
    if (const auto error = CheckConfigJson(settings)) {
        reporter.Fail(ExitStatus::BadUsage, error->reason, error->field);
        return std::nullopt;
    }
    return settings;
}

// The record rules of the configuration window's Update, over every page. A WEP key whose
// length names the other WEP cryptograph takes that cryptograph, as the window does.
ExitStatus ApplyRecordRules(InterfaceConfig& config, Reporter& reporter) {
    const rules::UpdateCheck check = rules::CheckWholeConfig(rules::PageValuesFromConfig(config));
    if (!check.Passed()) {
        return reporter.Fail(ExitStatus::BadUsage, reporter.Strings().Text(check.failure->messageId),
                             rules::ConfigFieldName(check.failure->field));
    }
    if (check.wepCryptograph) {
        config.cryptograph = static_cast<std::uint8_t>(*check.wepCryptograph);
    }
    return ExitStatus::Done;
}

nlohmann::ordered_json WriteDocument(const InterfaceConfig& config,
                                     const std::vector<rules::ConfigSummaryRow>& summary) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t index = 0; index < summary.size(); ++index) {
        rows.push_back({{"no", index + 1}, {"name", summary[index].name}, {"value", summary[index].value}});
    }
    return {{"layout", config.version}, {"config", ConfigToJson(config)}, {"summary", rows}};
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

ExitStatus RunWrite(const WriteOptions& options, CliContext& context) {
    Reporter reporter(context, options.json);
    const auto settings = LoadSettings(options.settingsPath, reporter);
    if (!settings) {
        return ExitStatus::BadUsage;
    }
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(options.device, reporter); status != ExitStatus::Done) {
        return status;
    }
    InterfaceConfig config = session.Printer().config;
    if (const auto error = ApplyConfigJson(*settings, config)) {
        return reporter.Fail(ExitStatus::BadUsage, error->reason, error->field);
    }
    if (const ExitStatus status = ApplyRecordRules(config, reporter); status != ExitStatus::Done) {
        return status;
    }
    const InterruptNotice notice(interrupted::kWritingRecord);
    if (WritePrinterConfig(session.Channel(), session.Buffers(), config) != WriteOutcome::Ok) {
        return reporter.FailWith(ExitStatus::PrinterFailed, sid::kConfigWriteFailed);
    }
    reporter.Say(sid::kConfigWriteCompleted);
    const auto summary = rules::ConfigSummaryRows(config, context.strings);
    if (reporter.Json()) {
        reporter.Document(WriteDocument(config, summary));
    } else {
        WriteSummaryText(reporter.Out(), summary, context.strings);
    }
    return ExitStatus::Done;
}

}  // namespace

void AddWriteCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<WriteOptions>();
    CLI::App* command = app.add_subcommand(
        "write", "Read the printer, set the fields of a JSON file on its record, check the record "
                 "and write it back.");
    AddDeviceOptions(*command, options->device, false);
    command->add_option("--set", options->settingsPath,
                        "JSON object of record fields to set, named as 'read --json' shows them")
        ->required();
    command->add_flag("--json", options->json, "print one JSON document");
    command->callback([options, &context] { context.exitStatus = RunWrite(*options, context); });
}

}  // namespace lanvane::cli
