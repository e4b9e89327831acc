#pragma once

#include <vector>

#include "cli/TextTable.h"
#include "protocol/InterfaceConfig.h"
#include "resources/StringTable.h"

namespace lanvane::cli {

// The record's fields as (name, value) rows in record order, for people: codes with
// their names where the tables name them ("3 (WPA2-PSK)"), addresses as "a.b.c.d". Only
// the fields that the record's layout carries.
std::vector<TextRow> ConfigFieldRows(const InterfaceConfig& config, const StringTable& strings);

}  // namespace lanvane::cli
