#include "ui/qt/ControlBinding.h"

#include "ui/SyncGuard.h"

namespace lanvane {

ControlBinding::ControlBinding(Control& control, QWidget& widget, WindowHost& host)
    : control_(control), widget_(widget), host_(host) {}

void ControlBinding::Name(const QString& name) {
    widget_.setAccessibleName(name);
}

void ControlBinding::SyncAll() {
    SyncGuard guard(syncing_);
    SyncGuard mirroring(host_.Mirroring());
    widget_.setEnabled(control_.IsEnabled());
    widget_.setVisible(control_.IsVisible());
    SyncContent();
}

void ControlBinding::Apply(ModelChange what, int index) {
    SyncGuard guard(syncing_);
    SyncGuard mirroring(host_.Mirroring());
    switch (what) {
    case ModelChange::Enabled:
        widget_.setEnabled(control_.IsEnabled());
        break;
    case ModelChange::Visible:
        widget_.setVisible(control_.IsVisible());
        break;
    default:
        ApplyContent(what, index);
        break;
    }
}

void ControlBinding::ApplyContent(ModelChange /*what*/, int /*index*/) {
    SyncContent();
}

}  // namespace lanvane
