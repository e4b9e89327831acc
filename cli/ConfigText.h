#pragma once

#include <vector>

#include "cli/TextTable.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane::cli {

// The record's fields as (name, value) rows in record order, with the values of the JSON
// document (ConfigToJson) written plainly: "wpa2-psk", "true", "192.168.0.10".
std::vector<TextRow> ConfigFieldRows(const InterfaceConfig& config, bool showSecrets);

}  // namespace lanvane::cli
