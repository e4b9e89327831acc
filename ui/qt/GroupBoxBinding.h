#pragma once

#include <QGroupBox>

#include "ui/Control.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A group box: a titled frame drawn behind the controls that lie in it.
class GroupBoxBinding final : public ControlBinding {
public:
    GroupBoxBinding(Control& group, QGroupBox& widget, WindowHost& host);

private:
    void SyncContent() override;

    QGroupBox& widget_;
};

}  // namespace lanvane
