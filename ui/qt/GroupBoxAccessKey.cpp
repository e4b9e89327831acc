#include "ui/qt/GroupBoxAccessKey.h"

#include <QEvent>
#include <QRadioButton>

namespace lanvane {
namespace {

bool TakesFocus(const QWidget& widget) {
    return (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget.isEnabled() && widget.isVisible();
}

}  // namespace

GroupBoxAccessKey::GroupBoxAccessKey(QGroupBox& frame) : QObject(&frame), frame_(frame) {
    frame_.installEventFilter(this);
}

bool GroupBoxAccessKey::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &frame_ || event->type() != QEvent::Shortcut) {
        return false;
    }
    if (QWidget* target = FirstInside()) {
        target->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

QWidget* GroupBoxAccessKey::FirstInside() const {
    QWidget* first = nullptr;
    for (QWidget* widget = frame_.nextInFocusChain(); widget != &frame_; widget = widget->nextInFocusChain()) {
        const QPoint corner = widget->mapTo(frame_.window(), QPoint());
        const QRect frameRect(frame_.mapTo(frame_.window(), QPoint()), frame_.size());
        if (!TakesFocus(*widget) || !frameRect.contains(QRect(corner, widget->size()))) {
            continue;
        }
        if (const auto* choice = qobject_cast<QRadioButton*>(widget); choice != nullptr && choice->isChecked()) {
            return widget;
        }
        if (first == nullptr) {
            first = widget;
        }
    }
    return first;
}

}  // namespace lanvane
