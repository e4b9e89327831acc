#include <CLI/CLI.hpp>

#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigJson.h"
#include "cli/ConfigText.h"
#include "cli/DeviceAccess.h"
#include "protocol/AddressText.h"
#include "cli/PrinterSession.h"
#include "cli/WriteReport.h"

namespace lanvane::cli {
namespace {

nlohmann::ordered_json ReadDocument(const ConfigReadResult& printer, const std::string& device, bool showSecrets) {
    return {{"device", device},
            {"makerName", printer.makerName},
            {"identification", IdentificationToJson(printer.identification)},
            {"layout", printer.config.version},
            {"config", ConfigToJson(printer.config, showSecrets)}};
}

void WriteReadText(std::ostream& out, const ConfigReadResult& printer, bool showSecrets) {
    std::vector<TextRow> rows{
        {"firmwareVersion", printer.identification.firmwareVersion},
        {"updateDate", printer.identification.updateDate},
        {"macAddress", LanMacText(printer.identification.mac)},
        {"layout", std::to_string(printer.config.version)},
    };
    for (TextRow& row : ConfigFieldRows(printer.config, showSecrets)) {
        rows.push_back(std::move(row));
    }
    WriteColumns(out, rows);
}

ExitStatus RunRead(const DeviceOptions& options, CliContext& context) {
    Reporter reporter(context);
    PrinterSession session(context);
    if (const ExitStatus status = session.Connect(options, reporter); status != ExitStatus::Done) {
        return status;
    }
    if (reporter.Json()) {
        reporter.Document(ReadDocument(session.Printer(), session.DevicePath(), reporter.ShowSecrets()));
    } else {
        WriteReadText(reporter.Out(), session.Printer(), reporter.ShowSecrets());
    }
    return ExitStatus::Done;
}

}  // namespace

void AddReadCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<DeviceOptions>();
    CLI::App* command = app.add_subcommand(
        "read", "Read the printer's identification data and interface configuration.");
    AddDeviceOptions(*command, *options, false);
    const HelpDevices devices = HelpExampleDevices();
    command->footer("Examples:\n"
                    "  lanvane-cli read --usb USB001\n"
                    "  lanvane-cli read --serial " + std::string(devices.serialPort) + " --json > printer.json\n"
                    "  lanvane-cli read --usb " + std::string(devices.usbPrinter) + " --json --show-secrets");
    command->callback([options, &context] { context.exitStatus = RunRead(*options, context); });
}

}  // namespace lanvane::cli
