#pragma once

#include <string>
#include <vector>

#include "protocol/InterfaceConfig.h"
#include "resources/StringTable.h"

namespace lanvane::rules {

// One row of the configuration summary: its number (from 1), name and value as shown.
struct SummaryRow {
    int number = 0;
    std::string name;
    std::string value;

    bool operator==(const SummaryRow&) const = default;
};

constexpr int kSummaryRowCount = 30;

// The 30 rows that show a record as it was written (texts cut to their field widths),
// names and value names from `strings`. Keys and credentials show only where the record's authentication and cryptograph use
// them; the Wi-Fi Direct rows stay empty for a version 1 record; a code that its table
// does not name shows as its number.
std::vector<SummaryRow> ConfigSummaryRows(const InterfaceConfig& config, const StringTable& strings);

}  // namespace lanvane::rules
