#pragma once

#include <optional>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "ui/Dialog.h"

namespace lanvane::scenario {

// Checks one property of a control of the window (text, enabled, visible, checked, focus,
// selection, entries, rows, progress); nothing when it holds.
std::optional<Mismatch> CheckControl(Dialog& window, const command::ExpectControl& expected);

}  // namespace lanvane::scenario
