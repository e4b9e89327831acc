#pragma once

#include <optional>
#include <string_view>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/headless/HeadlessScenarioRunner.h"

namespace lanvane::scenario {

// How one runner plays a scenario at the program on its backend.
using PlayOnBackend = std::optional<ScenarioFailure> (*)(const Scenario&, const ScenarioLanguage&);

// The body of a runner's main: plays each scenario file named on the command line with
// `play`, in the system's language, and prints "PASS name" plus `passSuffix`, or the parse
// errors or the failure. Returns 0 when every file held, 1 when any did not, 2 without files.
int PlayScenarioFiles(int argc, char** argv, std::string_view programName, std::string_view passSuffix,
                      PlayOnBackend play);

}  // namespace lanvane::scenario
