#include "ui/CheckBox.h"

namespace lanvane {

bool CheckBox::UserClick() {
    if (!UserFocus()) {
        return false;
    }
    SetCheck(!IsChecked());
    Raise(Notification::Clicked);
    return true;
}

}  // namespace lanvane
