#pragma once

#include <string>
#include <vector>

#include "resources/DialogTemplate.h"

// Checks of a dialog template's layout. Each returns one line per offending control (or pair
// of controls), so a failing test names what to move.
namespace lanvane::test {

std::vector<std::string> DuplicateControlIds(const DialogTemplate& dialog);

// Group boxes and tab controls may hold other controls; two controls may also take turns in
// one place when exactly one of them starts hidden.
std::vector<std::string> OverlappingControls(const DialogTemplate& dialog);

// Radio buttons that do not start their group, and controls after a group that do not end it.
std::vector<std::string> UnmarkedRadioGroups(const DialogTemplate& dialog);

}  // namespace lanvane::test
