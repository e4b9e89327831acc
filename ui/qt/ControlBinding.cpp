#include "ui/qt/ControlBinding.h"

namespace lanvane {

ControlBinding::ControlBinding(Control& control, QWidget& widget, WindowHost& host)
    : ModelBinding(control, host.Mirroring()), widget_(widget), host_(host) {}

void ControlBinding::Name(const QString& name) {
    widget_.setAccessibleName(name);
}

void ControlBinding::ShowEnabled() {
    widget_.setEnabled(Model().IsEnabled());
}

void ControlBinding::ShowVisible() {
    widget_.setVisible(Model().IsVisible());
}

}  // namespace lanvane
