#include "cli/PlanOutcome.h"

#include "cli/TextTable.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace lanvane::cli {
namespace {

constexpr std::array kVerdicts = {PlanVerdict::Set,     PlanVerdict::NotFound, PlanVerdict::NotConfirmed,
                                  PlanVerdict::Refused, PlanVerdict::NotSent,  PlanVerdict::WouldSend};

std::size_t CountOf(const std::vector<PlanOutcome>& outcomes, PlanVerdict verdict) {
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

std::string_view PlanVerdictName(PlanVerdict verdict) {
    switch (verdict) {
        case PlanVerdict::Set: return "set";
        case PlanVerdict::NotFound: return "not-found";
        case PlanVerdict::NotConfirmed: return "not-confirmed";
        case PlanVerdict::Refused: return "refused";
        case PlanVerdict::NotSent: return "not-sent";
        case PlanVerdict::WouldSend: return "would-send";
    }
    return "";
}

nlohmann::ordered_json PlanReportJson(const std::vector<PlanOutcome>& outcomes, std::string_view mode, bool dryRun) {
    nlohmann::ordered_json printers = nlohmann::ordered_json::array();
    for (const PlanOutcome& outcome : outcomes) {
        printers.push_back({{"line", outcome.row.line},
                            {"macAddress", LanMacText(outcome.row.mac)},
                            {"outcome", PlanVerdictName(outcome.verdict)},
                            {"message", outcome.message},
                            {"device", outcome.device}});
    }
    nlohmann::ordered_json counts = nlohmann::ordered_json::object();
    for (const PlanVerdict verdict : kVerdicts) {
        counts[std::string(PlanVerdictName(verdict))] = CountOf(outcomes, verdict);
    }
    return {{"mode", mode}, {"dryRun", dryRun}, {"printers", printers}, {"counts", counts}};
}

std::string PlanReportText(const std::vector<PlanOutcome>& outcomes) {
    std::vector<TextRow> rows{{"LINE", "MAC", "IP", "OUTCOME", "MESSAGE"}};
    for (const PlanOutcome& outcome : outcomes) {
        const std::string ip = outcome.device.is_object() ? outcome.device["ipAddress"].get<std::string>() : "-";
        rows.push_back({std::to_string(outcome.row.line), LanMacText(outcome.row.mac), ip,
                        std::string(PlanVerdictName(outcome.verdict)), outcome.message});
    }
    std::ostringstream text;
    WriteColumns(text, rows);
    return text.str();
}

std::string PlanCountsText(const std::vector<PlanOutcome>& outcomes) {
    std::string text;
    for (const PlanVerdict verdict : kVerdicts) {
        if (const std::size_t count = CountOf(outcomes, verdict); count > 0) {
            text += (text.empty() ? "" : ", ") + std::to_string(count) + ' ' + Spaced(PlanVerdictName(verdict));
        }
    }
    return text;
}

}  // namespace lanvane::cli
