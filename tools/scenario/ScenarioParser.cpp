#include "tools/scenario/ScenarioParser.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include "tools/scenario/CommandParser.h"
#include "tools/scenario/ScenarioTokens.h"

namespace lanvane::scenario {

Scenario ParseScenario(std::string_view text, std::string name, const std::filesystem::path& baseDirectory) {
    Scenario scenario;
    scenario.name = std::move(name);
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        ++lineNumber;
        start = end + 1;
        const TokenizedLine tokens = TokenizeLine(line);
        if (!tokens.error.empty()) {
            scenario.errors.push_back({lineNumber, tokens.error});
            continue;
        }
        if (tokens.tokens.empty()) {
            continue;
        }
        CommandParser parser(tokens.tokens, baseDirectory);
        if (auto body = parser.Parse()) {
            scenario.commands.push_back({lineNumber, tokens.source, std::move(*body)});
        } else {
            scenario.errors.push_back({lineNumber, parser.Error()});
        }
    }
    return scenario;
}

Scenario LoadScenarioFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        Scenario scenario;
        scenario.name = file.string();
        scenario.errors.push_back({0, "cannot read the file"});
        return scenario;
    }
    std::ostringstream text;
    text << stream.rdbuf();
    return ParseScenario(text.str(), file.string(), file.parent_path());
}

}  // namespace lanvane::scenario
