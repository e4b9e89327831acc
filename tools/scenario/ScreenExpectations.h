#pragma once

#include <optional>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/ScenarioScreen.h"

namespace lanvane::scenario {

// Whether the command checks what the program shows (message box, window, control).
bool IsScreenExpectation(const CommandBody& body);

// Checks it against the screen; nothing when it holds. An expected message box is only
// checked here: answering it is up to the caller.
std::optional<Mismatch> CheckScreen(const CommandBody& body, const ScenarioScreen& screen);

}  // namespace lanvane::scenario
