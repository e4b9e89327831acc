#pragma once

#include <string>
#include <string_view>

#include "sim/LanFaultPlan.h"

namespace lanvane::scenario {

// The options that plan a LAN printer's faults: fault=NAME (silent-search, silent-setting,
// confirm-setc), delay=MS, repeat=N and shorten=BYTES, named as the simulated printer's
// program names them.
bool IsLanFaultOption(std::string_view key);
// Adds the option to the plan; returns why it cannot, or an empty text.
std::string ApplyLanFaultOption(sim::LanFaultPlan& faults, std::string_view key, std::string_view value);

}  // namespace lanvane::scenario
