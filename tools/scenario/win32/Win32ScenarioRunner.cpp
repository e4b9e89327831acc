#include "tools/scenario/win32/Win32ScenarioRunner.h"

#include "app/SetupApp.h"
#include "tools/scenario/ScenarioPlayer.h"
#include "tools/scenario/ScenarioWorld.h"
#include "tools/scenario/win32/ScenarioPump.h"
#include "tools/scenario/win32/Win32Screen.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

namespace {

// No scenario needs longer; one that does is cut short and fails.
constexpr int kScenarioTimeLimitMs = 50000;

}  // namespace

std::optional<ScenarioFailure> PlayScenarioOnWin32(const Scenario& scenario, const ScenarioLanguage& language) {
    ScenarioWorld world;
    ScenarioPlayer player(scenario, world.Bench());
    Win32Backend ui;
    // The pages are only noted, as the headless backend does: no browser opens in a test.
    ui.SetUrlOpener([](const std::string&) {});
    CSetupApp app(language.systemLanguage, language.loader);
    app.InitInstance();
    AppContext context = world.Context(ui, app.Resources());
    ScenarioPump pump(player, ui, kScenarioTimeLimitMs);
    pump.Start();
    app.Run(context);
    player.Next(Win32Screen(ui));
    if (pump.TimedOut() && !player.Failure()) {
        return ScenarioFailure{0, "(the whole scenario)", {"to end within 50 s", "still running; every window cancelled"}};
    }
    return player.Failure();
}

}  // namespace lanvane::scenario
