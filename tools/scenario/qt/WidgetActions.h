#pragma once

#include <string>

#include "tools/scenario/UserAction.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

// Carries out a user action on the real widgets with synthetic mouse and key events, as a
// user at the screen would: the widgets then reach the models through their bindings.
// Returns why it could not be done, or an empty text. Time steps and End are not window
// actions and are refused here.
std::string PerformOnWidgets(QtBackend& ui, const UserAction& action);

}  // namespace lanvane::scenario
