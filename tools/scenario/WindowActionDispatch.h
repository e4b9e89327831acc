#pragma once

#include <string>

#include "tools/scenario/UserAction.h"
#include "ui/ControlSteps.h"
#include "ui/Dialog.h"

namespace lanvane::scenario {

// The window of the action's control in the innermost dialog, found alike on every backend;
// then the driver acts on it: OnWindow(window, control, action).
template <class Driver>
std::string PerformOnControl(const Driver& driver, const UserAction& action) {
    Dialog* modal = driver.ui.ActiveDialog();
    if (modal == nullptr) {
        return "a message box or file dialog is open";
    }
    Control* control = FindTarget(*modal, Target{action.control.controlId, action.control.pageId});
    auto* window = control != nullptr ? driver.WindowOf(*control) : nullptr;
    if (window == nullptr) {
        return "no such control";
    }
    if (!driver.IsUsable(window)) {
        return "the control is disabled or hidden";
    }
    return driver.OnWindow(window, *control, action);
}

// Hands a user action to a real backend's driver (the Qt widgets', the Win32 controls'), so
// that every backend takes the same kinds and refuses the same ones. The driver has its
// backend as `ui` and answers PressEnter(), PressEscape(), PressPageKey(key),
// AnswerMessageBox(), AnswerFileDialog(paths), and for the actions on a control WindowOf,
// IsUsable and OnWindow; each gives why it could not be done, or an empty text.
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
        return PerformOnControl(driver, action);
    }
}

}  // namespace lanvane::scenario
