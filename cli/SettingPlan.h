#pragma once

#include "cli/SettingChanges.h"
#include "protocol/AddressText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lanvane::cli {

// One printer of a plan: its MAC and what changes on it, with the line it came from.
struct PlanRow {
    int line = 0;
    MacAddress mac{};
    SettingChanges changes;
};

// A plan, or why it was refused: the line at fault and what is wrong there.
struct SettingPlan {
    std::vector<PlanRow> rows;
    std::optional<std::string> refusal;
};

// The columns of a plan, in the order a plan without a header line uses.
inline constexpr std::string_view kPlanColumns[] = {"mac",  "ip",   "mask",       "gateway",
                                                    "dhcp", "port", "inactivity", "baud"};

// Reads a plan: comma-separated cells, one printer a line. Cells are trimmed and never
// quoted; an empty cell keeps the printer's value, and so do cells missing at the end of a
// line. A first line whose first cell is "mac" names the columns (any order of
// kPlanColumns, "mac" first); blank lines and lines starting with '#' are skipped.
// Refused: an unknown or repeated column, too many cells, a MAC or value of the wrong
// form, a MAC listed twice, a plan without rows.
SettingPlan ParseSettingPlan(std::string_view text);

}  // namespace lanvane::cli
