#pragma once

#include "cli/LanCommandResult.h"
#include "cli/LanCommonOptions.h"
#include "resources/StringTable.h"

namespace lanvane::cli {

// discover: searches the printers of the mode and lists them with the device list's
// columns (text), or with their record fields (JSON).
LanCommandResult RunDiscover(const LanCommonOptions& options, const StringTable& strings);

}  // namespace lanvane::cli
