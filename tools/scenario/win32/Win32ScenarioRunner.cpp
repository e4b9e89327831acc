#include "tools/scenario/win32/Win32ScenarioRunner.h"

#include "tools/scenario/RealBackendRun.h"
#include "tools/scenario/win32/Win32ScenarioPump.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

std::optional<ScenarioFailure> PlayScenarioOnWin32(const Scenario& scenario, const ScenarioLanguage& language) {
    Win32Backend ui;
    // The pages are only noted, as the headless backend does: no browser opens in a test.
    ui.SetUrlOpener([](const std::string&) {});
    return PlayOnRealBackend<Win32ScenarioPump>(scenario, language, ui);
}

}  // namespace lanvane::scenario
