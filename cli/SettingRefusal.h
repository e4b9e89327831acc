#pragma once

#include <string>

#include "lan/core/NetworkSettingRules.h"
#include "resources/StringTable.h"

namespace lanvane::cli {

// Why the setting rules refused a printer's new values, for set-ip and its plan: the setting
// window's message, or for a manual address the field at fault ("ip", "mask", "gateway"), its
// value and the rule. `record` is the printer's, which a refusal leaves as it was.
std::string SettingRefusalText(SaveOutcome outcome, const NetworkSettingValues& values, const DeviceRecord& record,
                               const StringTable& strings);

}  // namespace lanvane::cli
