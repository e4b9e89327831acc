#pragma once

#include "cli/SettingPlan.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace lanvane::cli {

// What became of one printer of a plan.
enum class PlanVerdict {
    Set,           // sent and confirmed
    NotFound,      // no printer with its MAC answered the search
    NotConfirmed,  // sent, but no confirmation came in time
    Refused,       // the setting rules refused its values; nothing sent
    NotSent,       // the network refused the datagram
    WouldSend,     // --dry-run: accepted, not sent
};

// "set", "not-found", ... as the report names it.
std::string_view PlanVerdictName(PlanVerdict verdict);

struct PlanOutcome {
    PlanRow row;
    PlanVerdict verdict = PlanVerdict::NotFound;
    std::string message;                    // why, for any verdict but Set and WouldSend
    nlohmann::ordered_json device = nullptr;  // the record as sent (or to be sent)
};

// The report of a plan: one line (or JSON object) per printer, then the count of each
// verdict.
nlohmann::ordered_json PlanReportJson(const std::vector<PlanOutcome>& outcomes, std::string_view mode, bool dryRun);
std::string PlanReportText(const std::vector<PlanOutcome>& outcomes);
// "3 set, 1 not found": the verdicts that occurred, in enum order.
std::string PlanCountsText(const std::vector<PlanOutcome>& outcomes);

}  // namespace lanvane::cli
