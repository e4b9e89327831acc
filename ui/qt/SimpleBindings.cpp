#include "ui/qt/SimpleBindings.h"

#include "resources/AccessKey.h"
#include "ui/qt/GroupBoxAccessKey.h"
#include "ui/qt/QtText.h"
#include "ui/qt/WrappedLabel.h"

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

GroupBoxBinding::GroupBoxBinding(Control& group, QGroupBox& widget, WindowHost& host)
    : ControlBinding(group, widget, host), widget_(widget) {
    widget_.setFocusPolicy(Qt::NoFocus);
    new GroupBoxAccessKey(widget_);  // owned by the frame
}

void GroupBoxBinding::SyncContent() {
    widget_.setTitle(ToQString(Model().Text()));
}

IconBinding::IconBinding(Control& icon, QLabel& widget, const QIcon& image, WindowHost& host)
    : ControlBinding(icon, widget, host) {
    widget.setPixmap(image.pixmap(widget.size()));
    widget.setAlignment(Qt::AlignCenter);
}

LabelBinding::LabelBinding(Control& label, QLabel& widget, WindowHost& host)
    : ControlBinding(label, widget, host), widget_(widget) {
    widget_.setTextFormat(Qt::PlainText);
    widget_.setWordWrap(true);
    widget_.setAlignment(AlignmentOf(label));
    if (label.HasStyle(style::kBorder)) {
        widget_.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

// Qt underlines a label's access key only when the label has a buddy to pass it to; any
// other label would show the mark as a literal ampersand.
void LabelBinding::SyncContent() {
    const bool textAsIs = Model().HasStyle(style::kNoPrefix) || widget_.buddy() != nullptr;
    const QString text = ToQString(textAsIs ? Model().Text() : ShownText(Model().Text()));
    if (widget_.text() != text) {
        widget_.setText(text);
    }
}

ProgressBinding::ProgressBinding(ProgressBar& bar, QProgressBar& widget, WindowHost& host)
    : ControlBinding(bar, widget, host), bar_(bar), widget_(widget) {
    widget_.setTextVisible(false);
}

void ProgressBinding::SyncContent() {
    widget_.setRange(bar_.Lower(), bar_.Upper());
    widget_.setValue(bar_.GetPos());
}

}  // namespace lanvane
