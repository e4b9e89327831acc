#include "ui/qt/LabelBinding.h"

#include "ui/qt/QtText.h"

namespace lanvane {

namespace {

Qt::Alignment AlignmentOf(const Control& label) {
    if (label.HasStyle(style::kCenter)) {
        return Qt::AlignTop | Qt::AlignHCenter;
    }
    if (label.HasStyle(style::kRight)) {
        return Qt::AlignTop | Qt::AlignRight;
    }
    return Qt::AlignTop | Qt::AlignLeft;
}

}  // namespace

LabelBinding::LabelBinding(Control& label, QLabel& widget, WindowHost& host)
    : ControlBinding(label, widget, host), widget_(widget) {
    widget_.setTextFormat(Qt::PlainText);
    widget_.setWordWrap(true);
    widget_.setAlignment(AlignmentOf(label));
    if (label.HasStyle(style::kBorder)) {
        widget_.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

void LabelBinding::SyncContent() {
    const QString text = ToQString(Model().Text());
    if (widget_.text() != text) {
        widget_.setText(text);
    }
}

}  // namespace lanvane
