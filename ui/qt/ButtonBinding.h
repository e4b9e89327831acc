#pragma once

#include <QPushButton>

#include "ui/PushButton.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A push button: a click goes to the model's UserClick. A multi-line button breaks its
// label between words when it does not fit on one line.
class ButtonBinding final : public ControlBinding {
public:
    ButtonBinding(PushButton& button, QPushButton& widget, WindowHost& host);

private:
    void SyncContent() override;

    PushButton& button_;
    QPushButton& widget_;
};

}  // namespace lanvane
