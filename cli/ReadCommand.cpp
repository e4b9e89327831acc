#include <CLI/CLI.hpp>

#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigJson.h"
#include "cli/ConfigText.h"
#include "cli/PrinterSession.h"

namespace lanvane::cli {
namespace {

struct ReadOptions {
    DeviceOptions device;
    bool json = false;
};

nlohmann::ordered_json ReadDocument(const ConfigReadResult& printer) {
    return {{"makerName", printer.makerName},
            {"identification",
             {{"firmwareVersion", printer.identification.firmwareVersion},
              {"updateDate", printer.identification.updateDate},
              {"macAddress", MacText(printer.identification.mac)}}},
            {"layout", printer.config.version},
            {"config", ConfigToJson(printer.config)}};
}

void WriteReadText(std::ostream& out, const ConfigReadResult& printer, const StringTable& strings) {
    std::vector<TextRow> rows{
        {"firmwareVersion", printer.identification.firmwareVersion},
        {"updateDate", printer.identification.updateDate},
        {"macAddress", MacText(printer.identification.mac)},
        {"layout", std::to_string(printer.config.version)},
    };
    for (TextRow& row : ConfigFieldRows(printer.config, strings)) {
        rows.push_back(std::move(row));
    }
    WriteColumns(out, rows);
}

ExitStatus RunRead(const ReadOptions& options, CliContext& context) {
    Reporter reporter(context, options.json);
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(options.device, reporter); status != ExitStatus::Done) {
        return status;
    }
    if (reporter.Json()) {
        reporter.Document(ReadDocument(session.Printer()));
    } else {
        WriteReadText(reporter.Out(), session.Printer(), context.strings);
    }
    return ExitStatus::Done;
}

}  // namespace

void AddReadCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ReadOptions>();
    CLI::App* command = app.add_subcommand(
        "read", "Read the printer's identification data and interface configuration.");
    AddDeviceOptions(*command, options->device, false);
    command->add_flag("--json", options->json, "print one JSON document");
    command->callback([options, &context] { context.exitStatus = RunRead(*options, context); });
}

}  // namespace lanvane::cli
