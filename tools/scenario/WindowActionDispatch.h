#pragma once

#include <string>

#include "tools/scenario/UserAction.h"

namespace lanvane::scenario {

// Hands a user action to a real backend's driver (the Qt widgets', the Win32 controls'), so
// that every backend takes the same kinds and refuses the same ones. The driver answers
// PressEnter(), PressEscape(), PressPageKey(key), AnswerMessageBox(), AnswerFileDialog(paths)
// and OnControl(action) for the actions on a control, each with why it could not be done, or
// an empty text.
template <class Driver>
std::string PerformWindowAction(const Driver& driver, const UserAction& action) {
    switch (action.kind) {
    case ActionKind::PressEnter:
        return driver.PressEnter();
    case ActionKind::PressEscape:
        return driver.PressEscape();
    case ActionKind::PageKey:
        return driver.PressPageKey(action.text);
    case ActionKind::AnswerMessageBox:
        return driver.AnswerMessageBox();
    case ActionKind::AnswerFileDialog:
        return driver.AnswerFileDialog(action.paths);
    case ActionKind::Advance:
    case ActionKind::Wait:
    case ActionKind::End:
        return "not a window action";
    default:
        return driver.OnControl(action);
    }
}

}  // namespace lanvane::scenario
