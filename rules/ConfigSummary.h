#pragma once

#include <string>
#include <vector>

#include "protocol/InterfaceConfig.h"
#include "resources/StringTable.h"

namespace lanvane::rules {

// One row of the summary of a written record: the setting's name and its value as text.
struct ConfigSummaryRow {
    std::string name;
    std::string value;

    bool operator==(const ConfigSummaryRow&) const = default;
};

// One row for each field of the record, in the order and with the labels of the field table,
// in the record's own layout (config.version): texts cut at their first NUL and at the field
// width, numbers in decimal, addresses dotted, codes by their names from `strings`. A code that its table does not name is shown as its number.
// Keys are shown only where the authentication and cryptograph use them; the Wi-Fi Direct
// rows stay empty for a version 1 record.
std::vector<ConfigSummaryRow> ConfigSummaryRows(const InterfaceConfig& config, const StringTable& strings);

}  // namespace lanvane::rules
