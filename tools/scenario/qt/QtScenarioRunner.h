#pragma once

#include <optional>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/headless/HeadlessScenarioRunner.h"

namespace lanvane::scenario {

// Starts the program on the Qt backend (language choice, then the main menu) among
// simulated printers and plays the scenario at its real widgets to the end. Needs a
// QApplication. Returns the first failure, or nothing when every line held.
std::optional<ScenarioFailure> PlayScenarioOnQt(const Scenario& scenario, const ScenarioLanguage& language);

}  // namespace lanvane::scenario
