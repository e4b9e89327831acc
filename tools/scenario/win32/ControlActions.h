#pragma once

#include <string>

#include "tools/scenario/UserAction.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

// Carries out a user action on the real Win32 windows with the messages a user's mouse and
// keys give them (clicks at the item's place, characters one by one), so that the controls
// raise their own notifications. Returns why the action could not be done, or "".
std::string PerformOnControls(Win32Backend& ui, const UserAction& action);

}  // namespace lanvane::scenario
