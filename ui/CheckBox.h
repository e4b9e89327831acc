#pragma once

#include "ui/CheckableButton.h"

namespace lanvane {

// A check box that toggles itself when the user clicks it, then raises Clicked.
class CheckBox : public CheckableButton {
public:
    using CheckableButton::CheckableButton;

    bool UserClick() override;
};

}  // namespace lanvane
