#include "app/desktop/QtTourBackend.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/qt/QtScript.h"
#include "ui/qt/WindowPicture.h"

namespace lanvane {

std::unique_ptr<StepScript> QtTourBackend::MakeScript(int timeLimitMs, StepScript::Stuck stuck) {
    return std::make_unique<QtScript>(ui_, timeLimitMs, std::move(stuck));
}

bool QtTourBackend::Shown(Dialog& dialog) const {
    const QtDialogWindow* window = ui_.WindowOf(dialog);
    return window != nullptr && window->isVisible();
}

bool QtTourBackend::MessageBoxShown() const {
    return ui_.ActiveMessageBox() != nullptr && ui_.ActiveMessageBox()->isVisible();
}

bool QtTourBackend::CloseInnermost() {
    ui_.CloseInnermost();
    return ui_.ModalDepth() == 0;
}

bool QtTourBackend::ClickButton(Control& button) {
    auto* widget = dynamic_cast<QAbstractButton*>(ui_.WidgetOf(button));
    if (widget == nullptr || !widget->isEnabled()) {
        return false;
    }
    widget->click();
    return true;
}

bool QtTourBackend::ClickRow(Control& list, int row) {
    auto* rows = dynamic_cast<QTableWidget*>(ui_.WidgetOf(list));
    if (rows == nullptr || row >= rows->rowCount()) {
        return false;
    }
    const QPoint at = rows->visualRect(rows->model()->index(row, 0)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, rows->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows->viewport(), &press);
    return true;
}

bool QtTourBackend::SelectTab(Control& tabs, int index) {
    auto* widget = dynamic_cast<QTabWidget*>(ui_.WidgetOf(tabs));
    if (widget == nullptr) {
        return false;
    }
    widget->setCurrentIndex(index);
    return true;
}

bool QtTourBackend::AnswerMessageBox() {
    QMessageBox* box = ui_.ActiveMessageBox();
    if (box == nullptr) {
        return false;
    }
    box->button(QMessageBox::Ok)->click();
    return true;
}

TourBackend::Picture QtTourBackend::SaveDialogPicture(const std::string& name) {
    Dialog* dialog = ui_.ActiveDialog();
    return Save(dialog != nullptr ? ui_.WindowOf(*dialog) : nullptr, name);
}

TourBackend::Picture QtTourBackend::SaveMessageBoxPicture(const std::string& name) {
    return Save(ui_.ActiveMessageBox(), name);
}

TourBackend::Picture QtTourBackend::Save(QWidget* window, const std::string& name) const {
    if (window == nullptr) {
        return {};
    }
    const QString path = QDir(QString::fromStdString(folder_)).filePath(QString::fromStdString(name) + ".png");
    return {true, path.toStdString(), WindowPicture(*window).save(path)};
}

}  // namespace lanvane
