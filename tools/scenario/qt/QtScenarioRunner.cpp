#include "tools/scenario/qt/QtScenarioRunner.h"

#include "app/SetupApp.h"
#include "tools/scenario/ScenarioPlayer.h"
#include "tools/scenario/ScenarioWorld.h"
#include "tools/scenario/qt/QtScreen.h"
#include "tools/scenario/qt/ScenarioPump.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

namespace {

// No scenario needs longer; one that does is cut short and fails.
constexpr int kScenarioTimeLimitMs = 50000;

}  // namespace

std::optional<ScenarioFailure> PlayScenarioOnQt(const Scenario& scenario, const ScenarioLanguage& language) {
    ScenarioWorld world;
    ScenarioPlayer player(scenario, world.Bench());
    QtBackend ui;
    // The pages are only noted, as the headless backend does: no browser opens in a test.
    ui.SetUrlOpener([](const QUrl&) { return true; });
    CSetupApp app(language.systemLanguage, language.loader);
    app.InitInstance();
    AppContext context = world.Context(ui, app.Resources());
    ScenarioPump pump(player, ui, kScenarioTimeLimitMs);
    pump.Start();
    app.Run(context);
    player.Next(QtScreen(ui));
    if (pump.TimedOut() && !player.Failure()) {
        return ScenarioFailure{0, "(the whole scenario)", {"to end within 50 s", "still running; every window cancelled"}};
    }
    return player.Failure();
}

}  // namespace lanvane::scenario
