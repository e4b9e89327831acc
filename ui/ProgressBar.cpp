#include "ui/ProgressBar.h"

#include <algorithm>

namespace lanvane {

int ProgressBar::Clamp(int position) const {
    return std::clamp(position, lower_, std::max(lower_, upper_));
}

void ProgressBar::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    Changed(ModelChange::Range);
    SetPos(position_);
}

int ProgressBar::SetPos(int position) {
    const int previous = position_;
    position_ = Clamp(position);
    if (position_ != previous) {
        Changed(ModelChange::Position);
    }
    return previous;
}

}  // namespace lanvane
