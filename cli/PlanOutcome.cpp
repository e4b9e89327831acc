#include "cli/PlanOutcome.h"

#include "cli/TextTable.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace lanvane::cli {
namespace {

constexpr std::array kOutcomes = {Outcome::Set,     Outcome::Unchanged, Outcome::NotFound, Outcome::NotConfirmed,
                                  Outcome::Refused, Outcome::Failed,    Outcome::WouldSend};

std::size_t CountOf(const std::vector<PlanOutcome>& outcomes, Outcome verdict) {
    std::size_t count = 0;
    for (const PlanOutcome& outcome : outcomes) {
        count += outcome.verdict == verdict ? 1 : 0;
    }
    return count;
}

std::string Spaced(std::string_view name) {
    std::string text(name);
    std::replace(text.begin(), text.end(), '-', ' ');
    return text;
}

}  // namespace

nlohmann::ordered_json PlanReportJson(const std::vector<PlanOutcome>& outcomes, std::string_view mode, bool dryRun) {
    nlohmann::ordered_json printers = nlohmann::ordered_json::array();
    for (const PlanOutcome& outcome : outcomes) {
        printers.push_back({{"line", outcome.row.line},
                            {"macAddress", LanMacText(outcome.row.mac)},
                            {"outcome", OutcomeName(outcome.verdict)},
                            {"message", outcome.message},
                            {"device", outcome.device}});
    }
    nlohmann::ordered_json counts = nlohmann::ordered_json::object();
    for (const Outcome verdict : kOutcomes) {
        counts[std::string(OutcomeName(verdict))] = CountOf(outcomes, verdict);
    }
    return {{"mode", mode}, {"dryRun", dryRun}, {"printers", printers}, {"counts", counts}};
}

std::string PlanReportText(const std::vector<PlanOutcome>& outcomes) {
    std::vector<TextRow> rows{{"LINE", "MAC", "IP", "OUTCOME", "MESSAGE"}};
    for (const PlanOutcome& outcome : outcomes) {
        const std::string ip = outcome.device.is_object() ? outcome.device["ipAddress"].get<std::string>() : "-";
        rows.push_back({std::to_string(outcome.row.line), LanMacText(outcome.row.mac), ip,
                        std::string(OutcomeName(outcome.verdict)), outcome.message});
    }
    std::ostringstream text;
    WriteColumns(text, rows);
    return text.str();
}

std::string PlanCountsText(const std::vector<PlanOutcome>& outcomes) {
    std::string text;
    for (const Outcome verdict : kOutcomes) {
        if (const std::size_t count = CountOf(outcomes, verdict); count > 0) {
            text += (text.empty() ? "" : ", ") + std::to_string(count) + ' ' + Spaced(OutcomeName(verdict));
        }
    }
    return text;
}

}  // namespace lanvane::cli
