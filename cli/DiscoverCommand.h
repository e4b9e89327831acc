#pragma once

#include "cli/LanCommandResult.h"
#include "cli/LanCommonOptions.h"
#include "resources/StringTable.h"

namespace lanvane::cli {

// discover: searches the printers of the mode and lists them in address order with the
// device list's columns (text), or with their record fields (JSON). No answer is a failure
// that says where the search went.
LanCommandResult RunDiscover(const LanCommonOptions& options, const StringTable& strings);

}  // namespace lanvane::cli
