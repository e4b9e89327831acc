#include "tools/scenario/headless/HeadlessScenarioRunner.h"

#include "app/SetupApp.h"
#include "tools/scenario/ScenarioPlayer.h"
#include "tools/scenario/ScenarioWorld.h"
#include "tools/scenario/headless/HeadlessScenarioDriver.h"
#include "tools/scenario/headless/HeadlessScreen.h"
#include "ui/headless/HeadlessBackend.h"

namespace lanvane::scenario {

std::optional<ScenarioFailure> PlayScenarioHeadless(const Scenario& scenario, const ScenarioLanguage& language) {
    ScenarioWorld world;
    ScenarioPlayer player(scenario, world.Bench());
    HeadlessScenarioDriver driver(player);
    HeadlessBackend ui(driver);
    CSetupApp app(language.systemLanguage, language.loader);
    app.InitInstance();
    AppContext context = world.Context(ui, app.Resources());
    app.Run(context);
    // What is left after the main menu closed: printer checks, or lines that now fail.
    player.Next(HeadlessScreen(ui));
    return player.Failure();
}

}  // namespace lanvane::scenario
