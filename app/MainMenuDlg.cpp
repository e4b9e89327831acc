#include "app/MainMenuDlg.h"

#include "resources/ResourceIds.h"

namespace lanvane {

CMainMenuDlg::CMainMenuDlg(AppContext& context)
    : Dialog(context.ui, context.resources.Dialog(dlg::kMainMenu)), context_(context) {}

void CMainMenuDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) {
        return;
    }
    switch (controlId) {
    case ctl::kEthernetButton:
        RunRoad(&MenuWindows::RunEthernetConfiguration);
        break;
    case ctl::kWlanButton:
        RunRoad(&MenuWindows::RunWlanConfiguration);
        break;
    case ctl::kSerialUsbButton:
        RunRoad(&MenuWindows::RunSerialUsbConfiguration);
        break;
    default:
        break;
    }
}

void CMainMenuDlg::RunRoad(Road road) {
    EnableWindow(false);
    (context_.windows.*road)(context_);
    EnableWindow(true);
}

}  // namespace lanvane
