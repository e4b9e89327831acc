#pragma once

#include "ui/CheckableButton.h"

namespace lanvane {

// A radio button of a group (the template's kGroup marks where a group starts). A user
// click marks it, clears the other radio buttons of its group and raises Clicked, also
// when it was marked already.
class RadioButton : public CheckableButton {
public:
    using CheckableButton::CheckableButton;

    bool UserClick() override;
};

}  // namespace lanvane
