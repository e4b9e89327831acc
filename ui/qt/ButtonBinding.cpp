#include "ui/qt/ButtonBinding.h"

#include "ui/qt/QtText.h"
#include "ui/qt/WrappedLabel.h"

namespace lanvane {

ButtonBinding::ButtonBinding(PushButton& button, QPushButton& widget, WindowHost& host)
    : ControlBinding(button, widget, host), button_(button), widget_(widget) {
    widget_.setDefault(button_.IsDefault());
    widget_.setAutoDefault(false);
    QObject::connect(&widget_, &QPushButton::clicked, Receiver(), [this] { UserAction([this] { button_.UserClick(); }); });
}

void ButtonBinding::SyncContent() {
    QString text = ToQString(button_.Text());
    if (button_.HasStyle(style::kMultiLine)) {
        text = WrappedLabel(text, widget_.fontMetrics(), widget_.width() - 2 * widget_.fontMetrics().averageCharWidth());
    }
    if (widget_.text() != text) {
        widget_.setText(text);
    }
}

}  // namespace lanvane
