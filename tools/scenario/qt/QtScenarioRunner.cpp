#include "tools/scenario/qt/QtScenarioRunner.h"

#include "tools/scenario/RealBackendRun.h"
#include "tools/scenario/qt/QtScenarioPump.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

std::optional<ScenarioFailure> PlayScenarioOnQt(const Scenario& scenario, const ScenarioLanguage& language) {
    QtBackend ui;
    // The pages are only noted, as the headless backend does: no browser opens in a test.
    ui.SetUrlOpener([](const QUrl&) { return true; });
    return PlayOnRealBackend<QtScenarioPump>(scenario, language, ui);
}

}  // namespace lanvane::scenario
