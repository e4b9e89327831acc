#pragma once

#include <optional>

#include "app/SetupApp.h"
#include "tools/scenario/BackendScreen.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/ScenarioPlayer.h"
#include "tools/scenario/ScenarioWorld.h"
#include "tools/scenario/headless/HeadlessScenarioRunner.h"

namespace lanvane::scenario {

// No scenario needs longer; one that does is cut short and fails.
inline constexpr int kScenarioTimeLimitMs = 50000;

// Starts the program on a real backend (language choice, then the main menu) among simulated
// printers and plays the scenario at its controls to the end, through the backend's Pump.
// Returns the first failure, or nothing when every line held.
template <class Pump, class Backend>
std::optional<ScenarioFailure> PlayOnRealBackend(const Scenario& scenario, const ScenarioLanguage& language,
                                                 Backend& ui) {
    ScenarioWorld world;
    ScenarioPlayer player(scenario, world.Bench());
    CSetupApp app(language.systemLanguage, language.loader);
    app.InitInstance();
    AppContext context = world.Context(ui, app.Resources());
    Pump pump(player, ui, kScenarioTimeLimitMs);
    pump.Start();
    app.Run(context);
    player.Next(BackendScreen<Backend>(ui));
    if (pump.TimedOut() && !player.Failure()) {
        return ScenarioFailure{0, "(the whole scenario)", {"to end within 50 s", "still running; every window cancelled"}};
    }
    return player.Failure();
}

}  // namespace lanvane::scenario
