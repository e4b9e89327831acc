// lanvane-scenario-qt FILE...: plays each scenario file at the program on its real Qt
// widgets (offscreen unless a platform is chosen).
#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/LanguageLibraryLoader.h"
#include "app/SystemLanguage.h"
#include "tools/scenario/ScenarioParser.h"
#include "tools/scenario/qt/QtScenarioRunner.h"

namespace {

using namespace lanvane;
using namespace lanvane::scenario;

bool PlayFile(const char* file, const ScenarioLanguage& language) {
    const Scenario scenario = LoadScenarioFile(file);
    for (const ParseError& error : scenario.errors) {
        std::fprintf(stderr, "%s:%d: %s\n", scenario.name.c_str(), error.line, error.message.c_str());
    }
    if (!scenario.errors.empty()) {
        return false;
    }
    if (const auto failure = PlayScenarioOnQt(scenario, language)) {
        std::fputs(FormatFailure(scenario.name, *failure).c_str(), stderr);
        return false;
    }
    std::printf("PASS %s (Qt)\n", scenario.name.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: lanvane-scenario-qt FILE...\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::unique_ptr<LanguageLibraryLoader> loader = MakeSystemLanguageLoader();
    const ScenarioLanguage language{SystemDefaultLanguageId(), *loader};
    bool allPassed = true;
    for (int index = 1; index < argc; ++index) {
        allPassed = PlayFile(argv[index], language) && allPassed;
    }
    return allPassed ? 0 : 1;
}
