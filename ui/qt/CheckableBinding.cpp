#include "ui/qt/CheckableBinding.h"

#include "ui/qt/QtText.h"

namespace lanvane {

CheckableBinding::CheckableBinding(CheckableButton& button, QAbstractButton& widget, WindowHost& host)
    : ControlBinding(button, widget, host), button_(button), widget_(widget) {
    widget_.setCheckable(true);
    widget_.setAutoExclusive(false);
    QObject::connect(&widget_, &QAbstractButton::clicked, Receiver(), [this] { UserAction([this] { button_.UserClick(); }); });
}

void CheckableBinding::SyncContent() {
    const QString text = ToQString(button_.Text());
    if (widget_.text() != text) {
        widget_.setText(text);
    }
    widget_.setChecked(button_.IsChecked());
}

}  // namespace lanvane
