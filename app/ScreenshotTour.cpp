#include "app/ScreenshotTour.h"

#include <iterator>

#include "resources/ResourceIds.h"
#include "ui/ControlSteps.h"
#include "ui/Dialog.h"
#include "ui/ListView.h"

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

ScreenshotTour::ScreenshotTour(TourBackend& ui)
    : ui_(ui), script_(ui.MakeScript(kTourTimeLimitMs, [this] {
          Problem("the tour did not finish in time");
          return ui_.CloseInnermost();
      })) {
    Plan();
}

void ScreenshotTour::Plan() {
    WaitForDialog(dlg::kMainMenu);
    ShotOfDialog("main-menu");
    PlanLanRoad(ctl::kEthernetButton, "ethernet");
    PlanLanRoad(ctl::kWlanButton, "wlan");
    PlanSerialUsbRoad();
    script_->Then([this] { Click(kIdCancel); });
}

// The list searches when asked; it then shows the printers that answered and picks the
// first. The BSS information dialog surveys by itself once it is open.
void ScreenshotTour::PlanLanRoad(int roadButton, const std::string& modeName) {
    script_->Then([this, roadButton] { Click(roadButton); });
    WaitForDialog(dlg::kDeviceList);
    script_->Then([this] { Click(ctl::kSearchButton); });
    WaitForDialog(dlg::kSearch);
    Idle(ui_.SearchShownMs());
    ShotOfDialog("search-" + modeName);
    WaitForRows(dlg::kDeviceList, ctl::kDeviceListView);
    // Printers answer in any order; the one that offers every action is picked.
    const std::string everything = roadButton == ctl::kWlanButton ? kFullWirelessPrinter : kFullEthernetPrinter;
    script_->Then([this, everything] { ClickRow(ctl::kDeviceListView, RowWithAddress(ctl::kDeviceListView, everything)); });
    ShotOfDialog("device-list-" + modeName);
    script_->Then([this] { Click(ctl::kSettingButton); });
    WaitForDialog(dlg::kNetworkSetting);
    ShotOfDialog("network-setting-" + modeName);
    script_->Then([this] { Click(kIdCancel); });
    WaitForDialog(dlg::kDeviceList);
    if (roadButton == ctl::kWlanButton) {
        script_->Then([this] { Click(ctl::kBssInfoButton); });
        WaitForDialog(dlg::kBssInfo);
        WaitForMessageBox();
        AnswerMessageBox();
        WaitForRows(dlg::kBssInfo, ctl::kBssDialogList);
        ShotOfDialog("bss-info");
        script_->Then([this] { Click(kIdCancel); });
        WaitForDialog(dlg::kDeviceList);
    }
    script_->Then([this] { Click(kIdOk); });
    WaitForDialog(dlg::kMainMenu);
}

void ScreenshotTour::PlanSerialUsbRoad() {
    script_->Then([this] { Click(ctl::kSerialUsbButton); });
    WaitForDialog(dlg::kInterfaceConfig);
    ShotOfDialog("config-not-connected");
    script_->Then([this] { Click(ctl::kConnectButton); });
    WaitForMessageBox();
    ShotOfMessageBox("message-box");
    AnswerMessageBox();
    WaitForDialog(dlg::kInterfaceConfig);
    for (int page = 0; page < static_cast<int>(std::size(kPageShots)); ++page) {
        script_->Then([this, page] { SelectTab(page); });
        if (page == 2) {
            script_->Then([this] { Click(ctl::kBssPageGetButton, dlg::kBssPage); });
            WaitForMessageBox();
            AnswerMessageBox();
            WaitForRows(dlg::kInterfaceConfig, ctl::kBssPageList);
        }
        ShotOfDialog(kPageShots[page]);
    }
    script_->Then([this] { SelectTab(0); });
    script_->Then([this] { Click(ctl::kUpdateButton); });
    WaitForMessageBox();
    AnswerMessageBox();
    WaitForDialog(dlg::kConfigSummary);
    ShotOfDialog("summary");
    script_->Then([this] { Click(kIdOk); });
    WaitForDialog(dlg::kInterfaceConfig);
    script_->Then([this] { Click(kIdCancel); });
    WaitForDialog(dlg::kMainMenu);
}

Dialog* ScreenshotTour::Active(int dialogId) const {
    Dialog* dialog = ui_.ActiveDialog();
    return dialog != nullptr && dialog->Template().id == dialogId ? dialog : nullptr;
}

Control* ScreenshotTour::ControlOf(int controlId, int pageId) const {
    Dialog* dialog = ui_.ActiveDialog();
    return dialog != nullptr ? FindTarget(*dialog, Target{controlId, pageId}) : nullptr;
}

void ScreenshotTour::WaitForDialog(int dialogId) {
    script_->WaitUntil([this, dialogId] {
        Dialog* dialog = Active(dialogId);
        return dialog != nullptr && ui_.Shown(*dialog);
    });
}

void ScreenshotTour::WaitForMessageBox() {
    script_->WaitUntil([this] { return ui_.MessageBoxShown(); });
}

void ScreenshotTour::WaitForRows(int dialogId, int listId) {
    script_->WaitUntil([this, dialogId, listId] {
        auto* rows = Active(dialogId) != nullptr ? dynamic_cast<ListView*>(ControlOf(listId)) : nullptr;
        return rows != nullptr && rows->GetItemCount() > 0;
    });
}

void ScreenshotTour::AnswerMessageBox() {
    script_->Then([this] {
        if (!ui_.AnswerMessageBox()) {
            Problem("no message box to answer");
        }
    });
}

void ScreenshotTour::ShotOfDialog(const std::string& name) {
    Idle(ui_.SettleMs());
    script_->Then([this, name] { Keep(ui_.SaveDialogPicture(name), "no window for " + name); });
}

void ScreenshotTour::ShotOfMessageBox(const std::string& name) {
    Idle(ui_.SettleMs());
    script_->Then([this, name] { Keep(ui_.SaveMessageBoxPicture(name), "no message box for " + name); });
}

void ScreenshotTour::Idle(int ms) {
    if (ms > 0) {
        script_->Pause(ms);
    }
}

void ScreenshotTour::Keep(const TourBackend::Picture& picture, const std::string& missing) {
    if (!picture.windowFound) {
        Problem(missing);
    } else if (!picture.saved) {
        Problem("cannot take or write " + picture.path);
    } else {
        saved_.push_back(picture.path);
    }
}

void ScreenshotTour::Click(int controlId, int pageId) {
    Control* button = ControlOf(controlId, pageId);
    if (button == nullptr || !ui_.ClickButton(*button)) {
        Problem("no button " + std::to_string(controlId) + " to click");
    }
}

void ScreenshotTour::ClickRow(int listId, int row) {
    Control* list = ControlOf(listId);
    if (list == nullptr || !ui_.ClickRow(*list, row)) {
        Problem("no row " + std::to_string(row) + " in list " + std::to_string(listId));
    }
}

int ScreenshotTour::RowWithAddress(int listId, const std::string& address) const {
    const auto* rows = dynamic_cast<ListView*>(ControlOf(listId));
    for (int row = 0; rows != nullptr && row < rows->GetItemCount(); ++row) {
        if (rows->GetItemText(row, kAddressColumn) == address) {
            return row;
        }
    }
    return 0;
}

void ScreenshotTour::SelectTab(int index) {
    Control* tabs = ControlOf(ctl::kConfigTab);
    if (tabs == nullptr || !ui_.SelectTab(*tabs, index)) {
        Problem("no tab " + std::to_string(index));
    }
}

}  // namespace lanvane
