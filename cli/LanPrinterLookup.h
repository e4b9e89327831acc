#pragma once

#include "cli/LanCommandResult.h"
#include "cli/LanCommonOptions.h"
#include "lan/core/DeviceRecord.h"
#include "lan/core/LanDeviceLists.h"
#include "resources/StringTable.h"

#include <optional>
#include <string>

namespace lanvane::cli {

// Searches the mode's printers into `lists`; a refusal when the network cannot be used
// (naming the local port when another program holds it). `warning`, when given, tells of
// replies the system dropped.
std::optional<LanCommandResult> SearchPrinters(const LanCommonOptions& options, LanDeviceLists& lists,
                                               const StringTable& strings, std::string* warning);

// The number of the first device in the mode's list with this MAC; a refusal when the
// MAC text is not one, or no such printer answered.
struct PrinterLookup {
    int number = 0;
    std::optional<LanCommandResult> refusal;
};

PrinterLookup FindPrinter(const LanCommonOptions& options, const std::string& macText, LanDeviceLists& lists,
                          const StringTable& strings);

}  // namespace lanvane::cli
