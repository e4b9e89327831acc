#include "ui/PushButton.h"

namespace lanvane {

bool PushButton::UserClick() {
    if (!UserFocus()) {
        return false;
    }
    Raise(Notification::Clicked);
    return true;
}

}  // namespace lanvane
