#include <CLI/CLI.hpp>

#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/PrinterSession.h"
#include "cli/TextTable.h"
#include "link/TcpLink.h"
#include "protocol/BssSurvey.h"
#include "resources/StringIds.h"

namespace lanvane::cli {
namespace {

struct BssOptions {
    DeviceOptions device;
    bool json = false;
};

// Over the LAN: the printer's survey port. `failure` tells what the link last failed at.
BssOutcome SurveyOverTcp(const std::string& address, const CliContext& context, BssTable& table,
                         LinkError& failure) {
    CTcpLink link(address, TcpTimings{}, context.surveyPort);
    const BssOutcome outcome = RequestBssOverTcp(link, table, nullptr);
    failure = link.LastError();
    link.Close();
    return outcome;
}

nlohmann::ordered_json BssDocument(const BssTable& table) {
    nlohmann::ordered_json networks = nlohmann::ordered_json::array();
    const std::vector<BssRow> rows = FillBssList(table);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const BssRow& row = rows[index];
        networks.push_back({{"no", index + 1},
                            {"ssid", row[1]},
                            {"bssid", row[2]},
                            {"mode", row[3]},
                            {"rssi", table[index].rssi},
                            {"security", row[5]}});
    }
    return {{"networks", networks}};
}

void WriteBssText(std::ostream& out, const BssTable& table, const StringTable& strings) {
    std::vector<TextRow> rows{{}};
    for (const int header : {sid::kColumnNo, sid::kColumnSsid, sid::kColumnBssid, sid::kColumnMode,
                             sid::kColumnRssi, sid::kColumnSecurity}) {
        rows.front().emplace_back(strings.Text(header));
    }
    for (const BssRow& row : FillBssList(table)) {
        rows.emplace_back(row.begin(), row.end());
    }
    WriteColumns(out, rows);
}

ExitStatus FailedSurvey(BssOutcome outcome, const LinkError& failure, Reporter& reporter) {
    const ExitStatus status =
        outcome == BssOutcome::ConnectFailed ? ExitStatus::NoDevice : ExitStatus::PrinterFailed;
    std::string message(reporter.Strings().Text(sid::kBssImportFailed));
    if (failure.Failed()) {
        message += "\n" + Describe(failure);
    }
    return reporter.Fail(status, message);
}

ExitStatus RunBss(const BssOptions& options, CliContext& context) {
    Reporter reporter(context, options.json);
    auto table = std::make_unique<BssTable>();
    BssOutcome outcome = BssOutcome::NoReply;
    LinkError failure;
    if (!options.device.ip.empty()) {
        outcome = SurveyOverTcp(options.device.ip, context, *table, failure);
    } else {
        PrinterSession session(context);
        if (const ExitStatus status = session.Connect(options.device, reporter); status != ExitStatus::Done) {
            return status;
        }
        outcome = RequestBssOverPort(session.Channel(), session.Buffers(), *table, nullptr);
    }
    if (outcome != BssOutcome::Ok) {
        return FailedSurvey(outcome, failure, reporter);
    }
    reporter.Say(sid::kBssImported);
    if (reporter.Json()) {
        reporter.Document(BssDocument(*table));
    } else {
        WriteBssText(reporter.Out(), *table, context.strings);
    }
    return ExitStatus::Done;
}

}  // namespace

void AddBssCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<BssOptions>();
    CLI::App* command = app.add_subcommand(
        "bss", "Survey the wireless networks that the printer receives (BSS information).");
    AddDeviceOptions(*command, options->device, true);
    command->add_flag("--json", options->json, "print one JSON document");
    command->callback([options, &context] { context.exitStatus = RunBss(*options, context); });
}

}  // namespace lanvane::cli
