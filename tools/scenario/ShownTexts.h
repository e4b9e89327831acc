#pragma once

#include <string>

#include "ui/Control.h"
#include "ui/TabControl.h"

namespace lanvane::scenario {

// What the user reads on a control, as scenarios name it: buttons, choices, frames and
// labels without their access key marks; edits, drop-downs and values exactly as held.
std::string ShownTextOf(const Control& control);

// A tab's label as the tab bar shows it.
std::string ShownTabText(const TabControl& tabs, int index);

}  // namespace lanvane::scenario
