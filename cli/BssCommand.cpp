#include <CLI/CLI.hpp>

#include <cctype>
#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/PrinterSession.h"
#include "cli/SurveyAddress.h"
#include "cli/TextTable.h"
#include "link/TcpLink.h"
#include "protocol/BssSurvey.h"
#include "resources/StringIds.h"

namespace lanvane::cli {
namespace {


// Over the LAN: the printer's survey port. `failure` tells what the link last failed at.
BssOutcome SurveyOverTcp(const SurveyAddress& address, const CliContext& context, BssTable& table,
                         LinkError& failure) {
    TcpTimings timings;
    if (context.timeout) {
        timings.connectWait = *context.timeout;
        timings.receiveTimeout = *context.timeout;
    }
    CTcpLink link(address.host, timings, address.port.value_or(context.surveyPort));
    const BssOutcome outcome = RequestBssOverTcp(link, table, nullptr);
    failure = link.LastError();
    link.Close();
    return outcome;
}

// "00:1b:7e:10:20:30", as MAC addresses are written everywhere in lanvane-cli.
std::string BssidText(std::string text) {
    for (char& character : text) {
        character = character == '-' ? ':' : static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    }
    return text;
}

std::string LowerCase(std::string text) {
    for (char& character : text) {
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    }
    return text;
}

// The mode and the security in the record's code names: "infra", "wpa/wpa2", "none".
nlohmann::ordered_json BssDocument(const BssTable& table) {
    nlohmann::ordered_json networks = nlohmann::ordered_json::array();
    const std::vector<BssRow> rows = FillBssList(table, BssWords{"infra", "adhoc", "none"});
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const BssRow& row = rows[index];
        networks.push_back({{"ssid", row[1]},
                            {"bssid", BssidText(row[2])},
                            {"mode", row[3]},
                            {"rssi", table[index].rssi},
                            {"security", LowerCase(row[5])}});
    }
    return {{"networks", networks}};
}

void WriteBssText(std::ostream& out, const BssTable& table, const StringTable& strings) {
    std::vector<TextRow> rows{{}};
    for (const int header : {sid::kColumnNo, sid::kColumnSsid, sid::kColumnBssid, sid::kColumnMode,
                             sid::kColumnRssi, sid::kColumnSecurity}) {
        rows.front().emplace_back(strings.Text(header));
    }
    for (BssRow row : FillBssList(table)) {
        row[2] = BssidText(row[2]);
        rows.emplace_back(row.begin(), row.end());
    }
    WriteColumns(out, rows);
}

ErrorKind SurveyFailureKind(BssOutcome outcome, const LinkError& failure) {
    switch (outcome) {
        case BssOutcome::ConnectFailed:
            return failure.kind == LinkFailure::TimedOut ? ErrorKind::NoReply : ErrorKind::NotFound;
        case BssOutcome::ChecksumFailed:
        case BssOutcome::TagMismatch: return ErrorKind::Checksum;
        case BssOutcome::NoReply: return ErrorKind::NoReply;
        default: return ErrorKind::PrinterRefused;
    }
}

ExitStatus FailedSurvey(BssOutcome outcome, const LinkError& failure, Reporter& reporter) {
    std::string message = "the survey failed";
    if (failure.Failed()) {
        message += ": " + Describe(failure);
    }
    if (outcome == BssOutcome::ConnectFailed) {
        message += "; check the printer's IP address and that it is on this network";
    }
    return reporter.Fail(SurveyFailureKind(outcome, failure), message);
}

ExitStatus RunBss(const DeviceOptions& options, CliContext& context) {
    Reporter reporter(context);
    auto table = std::make_unique<BssTable>();
    BssOutcome outcome = BssOutcome::NoReply;
    LinkError failure;
    if (!options.ip.empty()) {
        outcome = SurveyOverTcp(*ParseSurveyAddress(options.ip), context, *table, failure);
    } else {
        PrinterSession session(context);
        if (const ExitStatus status = session.Connect(options, reporter); status != ExitStatus::Done) {
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
    auto options = std::make_shared<DeviceOptions>();
    CLI::App* command = app.add_subcommand(
        "bss", "Survey the wireless networks that the printer receives (BSS information).");
    AddDeviceOptions(*command, *options, true);
    command->footer("Examples:\n"
                    "  lanvane-cli bss --ip 192.168.0.100\n"
                    "  lanvane-cli bss --ip 192.168.0.100:3318 --json\n"
                    "  lanvane-cli bss --usb USB001 --json");
    command->callback([options, &context] { context.exitStatus = RunBss(*options, context); });
}

}  // namespace lanvane::cli
