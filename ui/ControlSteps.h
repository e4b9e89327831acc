#pragma once

#include <string>

#include "ui/Dialog.h"
#include "ui/Step.h"

namespace lanvane {

// The page (a child dialog, at any depth) of `dialog` built from template `pageId`.
Dialog* FindPage(Dialog& dialog, int pageId);

// The control a step aims at in the innermost modal dialog, or nullptr.
Control* FindTarget(Dialog& modal, const Target& target);

// Carries out a step aimed at a control (Click to Focus) through the control's user entry
// points. Returns why it could not be done, or an empty text when it was.
std::string ApplyControlStep(Dialog& modal, const Step& step);

}  // namespace lanvane
