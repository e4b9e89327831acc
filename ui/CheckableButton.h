#pragma once

#include "ui/Control.h"

namespace lanvane {

// A button with a check mark: the common part of check boxes and radio buttons.
class CheckableButton : public Control {
public:
    using Control::Control;

    bool IsChecked() const { return checked_; }
    // Sets the mark as the program does: no notification, no effect on other buttons.
    void SetCheck(bool checked);

private:
    bool checked_ = false;
};

}  // namespace lanvane
