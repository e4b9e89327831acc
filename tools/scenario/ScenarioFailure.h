#pragma once

#include <string>
#include <string_view>

namespace lanvane::scenario {

// What was expected and what was found instead.
struct Mismatch {
    std::string expected;
    std::string found;
};

// The first failed line of a scenario.
struct ScenarioFailure {
    int line = 0;
    std::string command;
    Mismatch mismatch;
};

// "file:line: command\n  expected: ...\n  found:    ...\n"
std::string FormatFailure(std::string_view scenarioName, const ScenarioFailure& failure);

// A text in quotes, with line breaks and quotes written as a scenario writes them.
std::string Quoted(std::string_view text);

}  // namespace lanvane::scenario
