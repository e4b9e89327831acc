#pragma once

#include <optional>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/headless/HeadlessScenarioRunner.h"

namespace lanvane::scenario {

// Starts the program on the Win32 backend (language choice, then the main menu) among
// simulated printers and plays the scenario at its real windows to the end. Returns the
// first failure, or nothing when every line held.
std::optional<ScenarioFailure> PlayScenarioOnWin32(const Scenario& scenario, const ScenarioLanguage& language);

}  // namespace lanvane::scenario
