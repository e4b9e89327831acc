#include "tools/scenario/qt/WidgetActions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "tools/scenario/WindowActionDispatch.h"
#include "ui/ListView.h"
#include "ui/qt/IpAddressEdit.h"

namespace lanvane::scenario {

namespace {

const std::string kDone;

// Types text as one key press, as a paste or an input method delivers it: one change.
void TypeAtOnce(QWidget& widget, const QString& text) {
    QTest::sendKeyEvent(QTest::Press, &widget, Qt::Key_unknown, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, &widget, Qt::Key_unknown, text, Qt::NoModifier);
}

QLineEdit* EditFieldOf(QWidget& widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        return edit;
    }
    auto* combo = qobject_cast<QComboBox*>(&widget);
    return combo != nullptr ? combo->lineEdit() : nullptr;
}

std::string Click(QWidget& widget) {
    if (qobject_cast<QAbstractButton*>(&widget) == nullptr) {
        return "not a button";
    }
    // The left end hits the mark of a check box or radio button and the face of a button.
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(widget.height() / 2, widget.height() / 2));
    return kDone;
}

std::string Type(QWidget& widget, const QString& text) {
    QLineEdit* edit = EditFieldOf(widget);
    if (edit == nullptr) {
        return "not an edit field";
    }
    edit->end(false);
    QTest::keyClicks(edit, text);
    return kDone;
}

std::string Replace(QWidget& widget, const QString& text) {
    QLineEdit* edit = EditFieldOf(widget);
    if (edit == nullptr) {
        return "not an edit field";
    }
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        TypeAtOnce(*edit, text);
    }
    return kDone;
}

// Opens the drop-down part and clicks the entry.
std::string Choose(QWidget& widget, int index) {
    auto* combo = qobject_cast<QComboBox*>(&widget);
    if (combo == nullptr) {
        return "not a drop-down list";
    }
    if (index < 0 || index >= combo->count()) {
        return "no such entry";
    }
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QRect entry = view->visualRect(view->model()->index(index, combo->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    combo->hidePopup();
    return kDone;
}

std::string SelectTab(QWidget& widget, int index) {
    auto* tabs = qobject_cast<QTabWidget*>(&widget);
    if (tabs == nullptr) {
        return "not a tab control";
    }
    if (index < 0 || index >= tabs->count()) {
        return "no such tab";
    }
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
    return kDone;
}

std::string ClickRow(QWidget& widget, Control& control, int row) {
    auto* table = qobject_cast<QTableWidget*>(&widget);
    if (table == nullptr) {
        return "not a list";
    }
    if (row >= 0) {
        if (row >= table->rowCount()) {
            return "no such row";
        }
        table->scrollToItem(table->item(row, 0));
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        return kDone;
    }
    const QPoint corner(2, table->viewport()->height() - 2);
    if (!table->indexAt(corner).isValid()) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, corner);
        return kDone;
    }
    // Every pixel holds a row: the click lands where the rows end, as below a full list.
    return static_cast<ListView&>(control).UserClickRow(-1) ? kDone : "the list took no click";
}

std::string SetIpField(QWidget& widget, int field, const QString& digits) {
    auto* address = dynamic_cast<IpAddressEdit*>(&widget);
    if (address == nullptr) {
        return "not an IP address control";
    }
    if (field < 0 || field >= IpAddressEdit::kFieldCount) {
        return "no such field";
    }
    return Replace(address->FieldEdit(field), digits);
}

// The widgets' side of each window action, for PerformWindowAction.
struct WidgetDriver {
    QtBackend& ui;

    QWidget* WindowOf(const Control& control) const { return ui.WidgetOf(control); }
    static bool IsUsable(const QWidget* widget) { return widget->isEnabled() && widget->isVisible(); }

    static std::string OnWindow(QWidget* widget, Control& control, const UserAction& action) {
        const QString text = QString::fromStdString(action.text);
        switch (action.kind) {
        case ActionKind::Click:
            return Click(*widget);
        case ActionKind::TypeText:
            return Type(*widget, text);
        case ActionKind::Erase:
            return Replace(*widget, {});
        case ActionKind::ReplaceText:
            return Replace(*widget, text);
        case ActionKind::Choose:
            return Choose(*widget, action.number);
        case ActionKind::SelectTab:
            return SelectTab(*widget, action.number);
        case ActionKind::ClickRow:
            return ClickRow(*widget, control, action.number);
        case ActionKind::SetIpField:
            return SetIpField(*widget, action.number, text);
        case ActionKind::Focus:
            widget->setFocus(Qt::TabFocusReason);
            return kDone;
        default:
            break;
        }
        return "not an action on a control";
    }

    std::string PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        Dialog* modal = ui.ActiveDialog();
        QtDialogWindow* window = modal != nullptr ? ui.WindowOf(*modal) : nullptr;
        if (window == nullptr) {
            return "a message box or file dialog is open";
        }
        QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
        QTest::keyClick(target, key, modifiers);
        return kDone;
    }

    std::string PressPageKey(const std::string& key) const {
        if (key == "ctrl+pagedown" || key == "ctrl+pageup") {
            return PressKey(key == "ctrl+pagedown" ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
        }
        return key == "ctrl+tab" ? PressKey(Qt::Key_Tab, Qt::ControlModifier)
                                 : PressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    }

    std::string AnswerMessageBox() const {
        QMessageBox* box = ui.ActiveMessageBox();
        if (box == nullptr) {
            return "no message box is open";
        }
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        return kDone;
    }

    std::string AnswerFileDialog(const std::vector<std::string>& paths) const {
        QFileDialog* chooser = ui.ActiveFileDialog();
        if (chooser == nullptr) {
            return "no file dialog is open";
        }
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (paths.empty() || name == nullptr) {
            QTest::keyClick(chooser, Qt::Key_Escape);
            return kDone;
        }
        QStringList quoted;
        for (const std::string& path : paths) {
            quoted.append(QLatin1Char('"') + QString::fromStdString(path) + QLatin1Char('"'));
        }
        name->setText(paths.size() == 1 ? QString::fromStdString(paths.front()) : quoted.join(QLatin1Char(' ')));
        QTest::keyClick(name, Qt::Key_Return);
        return kDone;
    }

    std::string PressEnter() const { return PressKey(Qt::Key_Return); }
    std::string PressEscape() const { return PressKey(Qt::Key_Escape); }
};

}  // namespace

std::string PerformOnWidgets(QtBackend& ui, const UserAction& action) {
    return PerformWindowAction(WidgetDriver{ui}, action);
}

}  // namespace lanvane::scenario
