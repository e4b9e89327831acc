#pragma once

#include "cli/Outcome.h"
#include "cli/SettingPlan.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace lanvane::cli {

struct PlanOutcome {
    PlanRow row;
    Outcome verdict = Outcome::NotFound;
    std::string message;                    // why, for any verdict but Set, Unchanged and WouldSend
    nlohmann::ordered_json device = nullptr;  // the record as sent (or to be sent)
};

// The report of a plan: one line (or JSON object) per printer, then the count of each
// verdict.
nlohmann::ordered_json PlanReportJson(const std::vector<PlanOutcome>& outcomes, std::string_view mode, bool dryRun);
std::string PlanReportText(const std::vector<PlanOutcome>& outcomes);
// "3 set, 1 not found": the outcomes that occurred, in enum order.
std::string PlanCountsText(const std::vector<PlanOutcome>& outcomes);

}  // namespace lanvane::cli
