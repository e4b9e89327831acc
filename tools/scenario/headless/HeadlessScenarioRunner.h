#pragma once

#include <optional>

#include "app/LanguageId.h"
#include "app/LanguageLibraryLoader.h"
#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"

namespace lanvane::scenario {

// How the program under a scenario chooses its language.
struct ScenarioLanguage {
    std::optional<LanguageId> systemLanguage;
    LanguageLibraryLoader& loader;
};

// Starts the program headless (language choice, then the main menu) among simulated
// printers and plays the scenario at it to the end. Returns the first failure, or nothing
// when every line held.
std::optional<ScenarioFailure> PlayScenarioHeadless(const Scenario& scenario, const ScenarioLanguage& language);

}  // namespace lanvane::scenario
