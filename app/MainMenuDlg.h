#pragma once

#include "app/AppContext.h"
#include "ui/Dialog.h"

namespace lanvane {

// The main menu (dialog 102), the program's main window: one button per road, and "Exit".
class CMainMenuDlg : public Dialog {
public:
    explicit CMainMenuDlg(AppContext& context);

protected:
    void OnCommand(int controlId, Notification code) override;

private:
    using Road = void (MenuWindows::*)(AppContext&);
    // The menu stays visible but disabled while the road's window runs, as the owner of a
    // modal window is.
    void RunRoad(Road road);

    AppContext& context_;
};

}  // namespace lanvane
