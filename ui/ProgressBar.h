#pragma once

#include "ui/Control.h"

namespace lanvane {

// A progress bar; the position always lies within the range (0..100 until set).
class ProgressBar : public Control {
public:
    using Control::Control;

    void SetRange(int lower, int upper);
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }
    // Returns the previous position.
    int SetPos(int position);
    int GetPos() const { return position_; }

private:
    int Clamp(int position) const;

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
};

}  // namespace lanvane
