#pragma once

#include <string>
#include <string_view>

#include "sim/FaultPlan.h"

namespace lanvane::scenario {

// The printer options that plan faults: fault=NAME (no-answer, wrong-maker, bad-checksum,
// wrong-tag, split, upper-hex, tcp-split, tcp-close), no-answer-to=KIND, refuse-start=N,
// refuse-chunk=N and disconnect-after=N, named as the simulated printer's program names them.
bool IsFaultOption(std::string_view key);
// Adds the option to the plan; returns why it cannot, or an empty text.
std::string ApplyFaultOption(sim::FaultPlan& faults, std::string_view key, std::string_view value);

}  // namespace lanvane::scenario
