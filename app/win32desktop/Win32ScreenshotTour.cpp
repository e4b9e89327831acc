#include "app/win32desktop/Win32ScreenshotTour.h"

#include <iterator>

#include "app/demo/win32/WindowPicture.h"
#include "resources/ResourceIds.h"
#include "ui/ControlSteps.h"
#include "ui/ListView.h"
#include "ui/win32/UserClicks.h"

namespace lanvane {

namespace {

// The whole walk takes some seconds (two searches of 1.1 s); it is cut short well after.
constexpr int kTourTimeLimitMs = 60000;
// A window just shown or changed is drawn by the X server a moment later.
constexpr int kSettleMs = 300;

// The six pages of the configuration window, in tab order, by the names of their pictures.
constexpr const char* kPageShots[] = {"config-system", "config-protocol", "config-bss",
                                      "config-network", "config-authentication", "config-certification"};

// The demo printers whose feature codes offer every button of the device list.
constexpr char kFullEthernetPrinter[] = "127.0.10.1";
constexpr char kFullWirelessPrinter[] = "127.0.20.1";
constexpr int kAddressColumn = 2;

bool Shown(HWND window) { return window != nullptr && IsWindowVisible(window) != FALSE; }

}  // namespace

Win32ScreenshotTour::Win32ScreenshotTour(Win32Backend& ui, std::string folder)
    : ui_(ui),
      folder_(std::move(folder)),
      script_(ui, kTourTimeLimitMs, [this] {
          Problem("the tour did not finish in time");
          ui_.CloseInnermost();
          return ui_.ModalDepth() == 0;
      }) {
    Plan();
}

void Win32ScreenshotTour::Plan() {
    WaitForDialog(dlg::kMainMenu);
    ShotOfDialog("main-menu");
    PlanLanRoad(ctl::kEthernetButton, "ethernet");
    PlanLanRoad(ctl::kWlanButton, "wlan");
    PlanSerialUsbRoad();
    script_.Then([this] { Click(kIdCancel); });
}

// The list searches when asked; it then shows the printers that answered and picks the
// first. The BSS information dialog surveys by itself once it is open.
void Win32ScreenshotTour::PlanLanRoad(int roadButton, const std::string& modeName) {
    script_.Then([this, roadButton] { Click(roadButton); });
    WaitForDialog(dlg::kDeviceList);
    script_.Then([this] { Click(ctl::kSearchButton); });
    WaitForDialog(dlg::kSearch);
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

void Win32ScreenshotTour::PlanSerialUsbRoad() {
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

Dialog* Win32ScreenshotTour::Active(int dialogId) const {
    Dialog* dialog = ui_.ActiveDialog();
    return dialog != nullptr && dialog->Template().id == dialogId ? dialog : nullptr;
}

HWND Win32ScreenshotTour::WindowOf(int controlId, int pageId) const {
    Dialog* dialog = ui_.ActiveDialog();
    Control* control = dialog != nullptr ? FindTarget(*dialog, Target{controlId, pageId}) : nullptr;
    return control != nullptr ? ui_.ControlWindow(*control) : nullptr;
}

void Win32ScreenshotTour::WaitForDialog(int dialogId) {
    script_.WaitUntil([this, dialogId] {
        Dialog* dialog = Active(dialogId);
        Win32DialogWindow* window = dialog != nullptr ? ui_.WindowOf(*dialog) : nullptr;
        return window != nullptr && Shown(window->Handle());
    });
}

void Win32ScreenshotTour::WaitForMessageBox() {
    script_.WaitUntil([this] { return ui_.PendingMessageBox() != nullptr && Shown(ui_.SystemDialogWindow()); });
}

void Win32ScreenshotTour::WaitForRows(int dialogId, int listId) {
    script_.WaitUntil([this, dialogId, listId] {
        Dialog* dialog = Active(dialogId);
        auto* rows = dialog != nullptr ? dynamic_cast<ListView*>(FindTarget(*dialog, Target{listId, 0})) : nullptr;
        return rows != nullptr && rows->GetItemCount() > 0;
    });
}

void Win32ScreenshotTour::ShotOfDialog(const std::string& name) {
    script_.Pause(kSettleMs).Then([this, name] {
        Dialog* dialog = ui_.ActiveDialog();
        Win32DialogWindow* window = dialog != nullptr ? ui_.WindowOf(*dialog) : nullptr;
        if (window == nullptr) {
            Problem("no window for " + name);
            return;
        }
        Shot(window->Handle(), name);
    });
}

void Win32ScreenshotTour::ShotOfMessageBox(const std::string& name) {
    script_.Pause(kSettleMs).Then([this, name] {
        HWND box = ui_.PendingMessageBox() != nullptr ? ui_.SystemDialogWindow() : nullptr;
        if (box == nullptr) {
            Problem("no message box for " + name);
            return;
        }
        Shot(box, name);
    });
}

// Posted: the box's own loop takes the click, as it takes a user's.
void Win32ScreenshotTour::AnswerMessageBox() {
    script_.Then([this] {
        HWND box = ui_.PendingMessageBox() != nullptr ? ui_.SystemDialogWindow() : nullptr;
        HWND ok = box != nullptr ? GetDlgItem(box, IDOK) : nullptr;
        if (ok == nullptr) {
            Problem("no message box to answer");
            return;
        }
        PostMessageW(ok, BM_CLICK, 0, 0);
    });
}

void Win32ScreenshotTour::Click(int controlId, int pageId) {
    HWND button = WindowOf(controlId, pageId);
    if (button == nullptr || !IsWindowEnabled(button)) {
        Problem("no button " + std::to_string(controlId) + " to click");
        return;
    }
    SendMessageW(button, BM_CLICK, 0, 0);
}

int Win32ScreenshotTour::RowWithAddress(int listId, const std::string& address) const {
    Dialog* dialog = ui_.ActiveDialog();
    auto* rows = dialog != nullptr ? dynamic_cast<ListView*>(FindTarget(*dialog, Target{listId, 0})) : nullptr;
    for (int row = 0; rows != nullptr && row < rows->GetItemCount(); ++row) {
        if (rows->GetItemText(row, kAddressColumn) == address) {
            return row;
        }
    }
    return 0;
}

void Win32ScreenshotTour::ClickRow(int listId, int row) {
    HWND list = WindowOf(listId);
    if (list == nullptr || !ClickListRow(list, row)) {
        Problem("no row " + std::to_string(row) + " in list " + std::to_string(listId));
    }
}

void Win32ScreenshotTour::SelectTab(int index) {
    HWND tabs = WindowOf(ctl::kConfigTab);
    if (tabs == nullptr || !ClickTab(tabs, index)) {
        Problem("no tab " + std::to_string(index));
    }
}

void Win32ScreenshotTour::Shot(HWND window, const std::string& name) {
    const std::string path = folder_ + "\\" + name + ".png";
    if (!SaveWindowPicture(window, path)) {
        Problem("cannot take or write " + path);
        return;
    }
    saved_.push_back(path);
}

}  // namespace lanvane
