#include "tools/scenario/ScenarioFailure.h"

namespace lanvane::scenario {

std::string FormatFailure(std::string_view scenarioName, const ScenarioFailure& failure) {
    std::string report(scenarioName);
    report += ":" + std::to_string(failure.line) + ": " + failure.command + "\n";
    report += "  expected: " + failure.mismatch.expected + "\n";
    report += "  found:    " + failure.mismatch.found + "\n";
    return report;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace lanvane::scenario
