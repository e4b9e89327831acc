#include "ui/qt/EditBinding.h"

#include <algorithm>

#include "ui/qt/QtText.h"

namespace lanvane {

EditBinding::EditBinding(EditControl& edit, QLineEdit& widget, WindowHost& host)
    : ControlBinding(edit, widget, host), edit_(edit), widget_(widget), validator_(edit) {
    widget_.setValidator(&validator_);
    widget_.setEchoMode(edit_.IsMasked() ? QLineEdit::Password : QLineEdit::Normal);
    if (edit_.HasStyle(style::kRight)) {
        widget_.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else if (edit_.HasStyle(style::kCenter)) {
        widget_.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    QObject::connect(&widget_, &QLineEdit::textEdited, Receiver(), [this](const QString& text) {
        UserAction([this, &text] { edit_.UserReplaceText(ToStdString(text)); });
    });
}

void EditBinding::SyncContent() {
    widget_.setReadOnly(edit_.IsReadOnly());
    const QString text = ToQString(edit_.Text());
    if (widget_.text() != text) {
        const int cursor = widget_.cursorPosition();
        widget_.setText(text);
        widget_.setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
}

}  // namespace lanvane
