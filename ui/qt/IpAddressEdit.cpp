#include "ui/qt/IpAddressEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace lanvane {

namespace {

constexpr int kFieldDigits = 3;

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int index = 0; index < kFieldCount; ++index) {
        if (index > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(kFieldDigits);
        field->setValidator(digits);
        field->installEventFilter(this);
        // The tab key leaves the control from any field, as in the classic control.
        field->setFocusPolicy(index == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        connect(field, &QLineEdit::textEdited, this, [this, index](const QString& text) { FieldEdited(index, text); });
        layout->addWidget(field, 1);
        fields_[static_cast<std::size_t>(index)] = field;
    }
    setFocusProxy(fields_[0]);
}

void IpAddressEdit::SetFieldText(int index, const QString& text) {
    QLineEdit& field = FieldEdit(index);
    if (field.text() != text) {
        field.setText(text);
    }
}

int IpAddressEdit::IndexOf(const QObject* field) const {
    for (int index = 0; index < kFieldCount; ++index) {
        if (fields_[static_cast<std::size_t>(index)] == field) {
            return index;
        }
    }
    return -1;
}

void IpAddressEdit::FieldEdited(int index, const QString& text) {
    if (fieldEdited_) {
        fieldEdited_(index, text);
    }
    if (text.size() == kFieldDigits && index + 1 < kFieldCount) {
        FieldEdit(index + 1).setFocus(Qt::TabFocusReason);
        FieldEdit(index + 1).selectAll();
    }
}

// A dot moves on to the next field, as in the classic control.
bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = IndexOf(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral(".")) {
            if (index + 1 < kFieldCount && !FieldEdit(index).text().isEmpty()) {
                FieldEdit(index + 1).setFocus(Qt::TabFocusReason);
                FieldEdit(index + 1).selectAll();
            }
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace lanvane
