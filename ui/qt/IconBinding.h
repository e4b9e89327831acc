#pragma once

#include <QIcon>
#include <QLabel>

#include "ui/Control.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// An icon control: the application icon, drawn to fill the control.
class IconBinding final : public ControlBinding {
public:
    IconBinding(Control& icon, QLabel& widget, const QIcon& image, WindowHost& host);

private:
    void SyncContent() override {}
};

}  // namespace lanvane
