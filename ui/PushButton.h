#pragma once

#include "ui/Control.h"

namespace lanvane {

// A push button (plain or default). A click focuses it and raises Clicked.
class PushButton : public Control {
public:
    using Control::Control;

    bool IsDefault() const { return Kind() == ControlKind::DefaultPushButton; }
    bool UserClick() override;
};

}  // namespace lanvane
