#include "ui/qt/GroupBoxBinding.h"

#include "ui/qt/QtText.h"

namespace lanvane {

GroupBoxBinding::GroupBoxBinding(Control& group, QGroupBox& widget, WindowHost& host)
    : ControlBinding(group, widget, host), widget_(widget) {
    widget_.setFocusPolicy(Qt::NoFocus);
}

void GroupBoxBinding::SyncContent() {
    widget_.setTitle(ToQString(Model().Text()));
}

}  // namespace lanvane
