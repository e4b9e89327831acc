#include "tools/scenario/ScenarioFileRunner.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/LanguageLibraryLoader.h"
#include "app/SystemLanguage.h"
#include "tools/scenario/ScenarioParser.h"

namespace lanvane::scenario {
namespace {

bool PlayFile(const char* file, const ScenarioLanguage& language, std::string_view passSuffix,
              PlayOnBackend play) {
    const Scenario scenario = LoadScenarioFile(file);
    for (const ParseError& error : scenario.errors) {
        std::fprintf(stderr, "%s:%d: %s\n", scenario.name.c_str(), error.line, error.message.c_str());
    }
    if (!scenario.errors.empty()) {
        return false;
    }
    if (const auto failure = play(scenario, language)) {
        std::fputs(FormatFailure(scenario.name, *failure).c_str(), stderr);
        return false;
    }
    std::printf("PASS %s%s\n", scenario.name.c_str(), std::string(passSuffix).c_str());
    return true;
}

}  // namespace

int PlayScenarioFiles(int argc, char** argv, std::string_view programName, std::string_view passSuffix,
                      PlayOnBackend play) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", std::string(programName).c_str());
        return 2;
    }
    const std::unique_ptr<LanguageLibraryLoader> loader = MakeSystemLanguageLoader();
    const ScenarioLanguage language{SystemDefaultLanguageId(), *loader};
    bool allPassed = true;
    for (int index = 1; index < argc; ++index) {
        allPassed = PlayFile(argv[index], language, passSuffix, play) && allPassed;
    }
    return allPassed ? 0 : 1;
}

}  // namespace lanvane::scenario
