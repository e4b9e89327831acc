#pragma once

#include "ui/ModelChange.h"
#include "ui/Notification.h"

namespace lanvane {

class Control;
class RadioButton;

// What a control needs from the dialog that holds it.
class ControlHost {
public:
    // Whether the user can act on this control now (dialog shown, enabled, not behind a
    // nested modal window, control enabled and visible).
    virtual bool AcceptsUserInput(const Control& control) const = 0;
    virtual void UserFocus(Control& control) = 0;
    virtual bool HasFocus(const Control& control) const = 0;
    virtual void RaiseCommand(Control& control, Notification code) = 0;
    // Returns true when a handler refuses what the notification announces.
    virtual bool RaiseNotify(Control& control, const NotifyMessage& message) = 0;
    virtual void UncheckRadioSiblings(RadioButton& checked) = 0;
    virtual void ModelChanged(const Control& control, ModelChange what, int index) = 0;

protected:
    ~ControlHost() = default;
};

}  // namespace lanvane
