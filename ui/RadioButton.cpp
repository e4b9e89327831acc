#include "ui/RadioButton.h"

namespace lanvane {

bool RadioButton::UserClick() {
    if (!UserFocus()) {
        return false;
    }
    SetCheck(true);
    Host().UncheckRadioSiblings(*this);
    Raise(Notification::Clicked);
    return true;
}

}  // namespace lanvane
