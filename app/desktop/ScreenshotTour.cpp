#include "app/desktop/ScreenshotTour.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableWidget>

#include "resources/ResourceIds.h"
#include "ui/ListView.h"
#include "ui/ControlSteps.h"
#include "ui/qt/WindowPicture.h"

namespace lanvane {

namespace {

// The whole walk takes some seconds (two searches of 1.1 s); it is cut short well after.
constexpr int kTourTimeLimitMs = 60000;

// The six pages of the configuration window, in tab order, by the names of their pictures.
constexpr const char* kPageShots[] = {"config-system", "config-protocol", "config-bss",
                                      "config-network", "config-authentication", "config-certification"};

// The demo printers whose feature codes offer every button of the device list.
constexpr char kFullEthernetPrinter[] = "127.0.10.1";
constexpr char kFullWirelessPrinter[] = "127.0.20.1";
constexpr int kAddressColumn = 2;

}  // namespace

ScreenshotTour::ScreenshotTour(QtBackend& ui, std::string folder)
    : ui_(ui),
      folder_(std::move(folder)),
      script_(ui, kTourTimeLimitMs, [this] {
          Problem("the tour did not finish in time");
          ui_.CloseInnermost();
          return ui_.ModalDepth() == 0;
      }) {
    Plan();
}

void ScreenshotTour::Plan() {
    WaitForDialog(dlg::kMainMenu);
    ShotOfDialog("main-menu");
    PlanLanRoad(ctl::kEthernetButton, "ethernet");
    PlanLanRoad(ctl::kWlanButton, "wlan");
    PlanSerialUsbRoad();
    script_.Then([this] { Click(kIdCancel); });
}

// The list searches when asked; it then shows the printers that answered and picks the
// first. The BSS information dialog surveys by itself once it is open.
void ScreenshotTour::PlanLanRoad(int roadButton, const std::string& modeName) {
    script_.Then([this, roadButton] { Click(roadButton); });
    WaitForDialog(dlg::kDeviceList);
    script_.Then([this] { Click(ctl::kSearchButton); });
    WaitForDialog(dlg::kSearch);
    script_.Pause(500);
    ShotOfDialog("search-" + modeName);
    WaitForRows(dlg::kDeviceList, ctl::kDeviceListView);
    // Printers answer in any order; the one that offers every action is picked.
    const std::string everything = roadButton == ctl::kWlanButton ? kFullWirelessPrinter : kFullEthernetPrinter;
    script_.Then([this, everything] { ClickRow(ctl::kDeviceListView, RowWithAddress(ctl::kDeviceListView, everything)); });
    ShotOfDialog("device-list-" + modeName);
    script_.Then([this] { Click(ctl::kSettingButton); });
    WaitForDialog(dlg::kNetworkSetting);
    ShotOfDialog("network-setting-" + modeName);
    script_.Then([this] { Click(kIdCancel); });
    WaitForDialog(dlg::kDeviceList);
    if (roadButton == ctl::kWlanButton) {
        script_.Then([this] { Click(ctl::kBssInfoButton); });
        WaitForDialog(dlg::kBssInfo);
        WaitForMessageBox();
        AnswerMessageBox();
        WaitForRows(dlg::kBssInfo, ctl::kBssDialogList);
        ShotOfDialog("bss-info");
        script_.Then([this] { Click(kIdCancel); });
        WaitForDialog(dlg::kDeviceList);
    }
    script_.Then([this] { Click(kIdOk); });
    WaitForDialog(dlg::kMainMenu);
}

void ScreenshotTour::PlanSerialUsbRoad() {
    script_.Then([this] { Click(ctl::kSerialUsbButton); });
    WaitForDialog(dlg::kInterfaceConfig);
    ShotOfDialog("config-not-connected");
    script_.Then([this] { Click(ctl::kConnectButton); });
    WaitForMessageBox();
    ShotOfMessageBox("message-box");
    AnswerMessageBox();
    WaitForDialog(dlg::kInterfaceConfig);
    for (int page = 0; page < static_cast<int>(std::size(kPageShots)); ++page) {
        script_.Then([this, page] { SelectTab(page); });
        if (page == 2) {
            script_.Then([this] { Click(ctl::kBssPageGetButton, dlg::kBssPage); });
            WaitForMessageBox();
            AnswerMessageBox();
            WaitForRows(dlg::kInterfaceConfig, ctl::kBssPageList);
        }
        ShotOfDialog(kPageShots[page]);
    }
    script_.Then([this] { SelectTab(0); });
    script_.Then([this] { Click(ctl::kUpdateButton); });
    WaitForMessageBox();
    AnswerMessageBox();
    WaitForDialog(dlg::kConfigSummary);
    ShotOfDialog("summary");
    script_.Then([this] { Click(kIdOk); });
    WaitForDialog(dlg::kInterfaceConfig);
    script_.Then([this] { Click(kIdCancel); });
    WaitForDialog(dlg::kMainMenu);
}

lanvane::Dialog* ScreenshotTour::Active(int dialogId) const {
    lanvane::Dialog* dialog = ui_.ActiveDialog();
    return dialog != nullptr && dialog->Template().id == dialogId ? dialog : nullptr;
}

QWidget* ScreenshotTour::WidgetOf(int controlId, int pageId) const {
    lanvane::Dialog* dialog = ui_.ActiveDialog();
    Control* control = dialog != nullptr ? FindTarget(*dialog, Target{controlId, pageId}) : nullptr;
    return control != nullptr ? ui_.WidgetOf(*control) : nullptr;
}

void ScreenshotTour::WaitForDialog(int dialogId) {
    script_.WaitUntil([this, dialogId] {
        lanvane::Dialog* dialog = Active(dialogId);
        QtDialogWindow* window = dialog != nullptr ? ui_.WindowOf(*dialog) : nullptr;
        return window != nullptr && window->isVisible();
    });
}

void ScreenshotTour::WaitForMessageBox() {
    script_.WaitUntil([this] { return ui_.ActiveMessageBox() != nullptr && ui_.ActiveMessageBox()->isVisible(); });
}

void ScreenshotTour::WaitForRows(int dialogId, int listId) {
    script_.WaitUntil([this, dialogId, listId] {
        auto* rows = Active(dialogId) != nullptr ? dynamic_cast<QTableWidget*>(WidgetOf(listId)) : nullptr;
        return rows != nullptr && rows->rowCount() > 0;
    });
}

void ScreenshotTour::Click(int controlId, int pageId) {
    auto* button = dynamic_cast<QAbstractButton*>(WidgetOf(controlId, pageId));
    if (button == nullptr || !button->isEnabled()) {
        Problem("no button " + std::to_string(controlId) + " to click");
        return;
    }
    button->click();
}

int ScreenshotTour::RowWithAddress(int listId, const std::string& address) const {
    auto* rows = dynamic_cast<QTableWidget*>(WidgetOf(listId));
    for (int row = 0; rows != nullptr && row < rows->rowCount(); ++row) {
        const QTableWidgetItem* cell = rows->item(row, kAddressColumn);
        if (cell != nullptr && cell->text().toStdString() == address) {
            return row;
        }
    }
    return 0;
}

void ScreenshotTour::ClickRow(int listId, int row) {
    auto* rows = dynamic_cast<QTableWidget*>(WidgetOf(listId));
    if (rows == nullptr || row >= rows->rowCount()) {
        Problem("no row " + std::to_string(row) + " in list " + std::to_string(listId));
        return;
    }
    const QPoint at = rows->visualRect(rows->model()->index(row, 0)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, rows->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows->viewport(), &press);
}

void ScreenshotTour::SelectTab(int index) {
    auto* tabs = dynamic_cast<QTabWidget*>(WidgetOf(ctl::kConfigTab));
    if (tabs == nullptr) {
        Problem("no tab control");
        return;
    }
    tabs->setCurrentIndex(index);
}

void ScreenshotTour::AnswerMessageBox() {
    script_.Then([this] {
        if (QMessageBox* box = ui_.ActiveMessageBox()) {
            box->button(QMessageBox::Ok)->click();
        } else {
            Problem("no message box to answer");
        }
    });
}

void ScreenshotTour::ShotOfDialog(const std::string& name) {
    script_.Then([this, name] {
        lanvane::Dialog* dialog = ui_.ActiveDialog();
        QtDialogWindow* window = dialog != nullptr ? ui_.WindowOf(*dialog) : nullptr;
        if (window == nullptr) {
            Problem("no window for " + name);
            return;
        }
        Save(*window, name);
    });
}

void ScreenshotTour::ShotOfMessageBox(const std::string& name) {
    script_.Then([this, name] {
        QMessageBox* box = ui_.ActiveMessageBox();
        if (box == nullptr) {
            Problem("no message box for " + name);
            return;
        }
        Save(*box, name);
    });
}

void ScreenshotTour::Save(QWidget& window, const std::string& name) {
    const QString path = QDir(QString::fromStdString(folder_)).filePath(QString::fromStdString(name) + ".png");
    if (!WindowPicture(window).save(path)) {
        Problem("cannot write " + path.toStdString());
        return;
    }
    saved_.push_back(path.toStdString());
}

}  // namespace lanvane
