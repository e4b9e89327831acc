#include "ui/CheckableButton.h"

namespace lanvane {

void CheckableButton::SetCheck(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    Changed(ModelChange::Checked);
}

}  // namespace lanvane
