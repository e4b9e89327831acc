// The scenario file parser: any text, one command or error per line at most.
#include <algorithm>
#include <set>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "tools/scenario/ScenarioParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const scenario::Scenario parsed = scenario::ParseScenario(text, "fuzz", "/nonexistent");
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    std::set<int> seen;
    for (const auto& command : parsed.commands) {
        Check(command.line >= 1 && command.line <= lines, "a command names a line of the text");
        Check(seen.insert(command.line).second, "one command or error per line");
    }
    for (const auto& error : parsed.errors) {
        Check(error.line >= 1 && error.line <= lines, "an error names a line of the text");
        Check(!error.message.empty(), "an error says what is wrong");
        Check(seen.insert(error.line).second, "one command or error per line");
    }
    return 0;
}
