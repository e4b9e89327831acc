#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tools/scenario/ScenarioCommand.h"

namespace lanvane::scenario {

// Reads a scenario, one command per line (format: docs/scenarios.md). Every line that
// cannot be read gives an error with its line number; the commands of the other lines are
// kept. File paths in the scenario are taken relative to baseDirectory.
Scenario ParseScenario(std::string_view text, std::string name, const std::filesystem::path& baseDirectory);

// Reads a scenario file; a file that cannot be read gives one error at line 0.
Scenario LoadScenarioFile(const std::filesystem::path& file);

}  // namespace lanvane::scenario
