#include "ui/qt/ComboBinding.h"

#include <QLineEdit>

#include "ui/qt/QtText.h"

namespace lanvane {

ComboBinding::ComboBinding(ComboBox& combo, QComboBox& widget, WindowHost& host)
    : ItemsBinding(combo, widget, host), combo_(combo), widget_(widget) {
    widget_.setEditable(combo_.HasEditField());
    QObject::connect(&widget_, &QComboBox::activated, Receiver(), [this](int index) {
        UserAction([this, index] { combo_.UserChoose(index); });
    });
    if (QLineEdit* edit = widget_.lineEdit()) {
        widget_.setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(edit, &QLineEdit::textEdited, Receiver(), [this](const QString& text) {
            UserAction([this, &text] { combo_.UserReplaceText(ToStdString(text)); });
        });
    }
}

void ComboBinding::Name(const QString& name) {
    ControlBinding::Name(name);
    if (QLineEdit* edit = widget_.lineEdit()) {
        edit->setAccessibleName(name);
    }
}

void ComboBinding::SyncItems() {
    QStringList items;
    for (int index = 0; index < combo_.GetCount(); ++index) {
        items.append(ToQString(combo_.GetItemText(index)));
    }
    QStringList shown;
    for (int index = 0; index < widget_.count(); ++index) {
        shown.append(widget_.itemText(index));
    }
    if (items != shown) {
        widget_.clear();
        widget_.addItems(items);
    }
}

// The selection, and for a combo the edit field, which a selection of none leaves alone.
void ComboBinding::SyncSelection() {
    if (widget_.currentIndex() != combo_.GetCurSel()) {
        widget_.setCurrentIndex(combo_.GetCurSel());
    }
    if (combo_.HasEditField() && widget_.currentText() != ToQString(combo_.Text())) {
        widget_.setEditText(ToQString(combo_.Text()));
    }
}

}  // namespace lanvane
