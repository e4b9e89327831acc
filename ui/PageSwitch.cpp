#include "ui/PageSwitch.h"

#include "ui/Dialog.h"
#include "ui/TabControl.h"

namespace lanvane {

bool UserSwitchPage(Dialog& dialog, bool forward) {
    for (const auto& control : dialog.TopLevel().Controls()) {
        auto* tabs = dynamic_cast<TabControl*>(control.get());
        if (tabs == nullptr || tabs->GetItemCount() < 2 || !tabs->UserFocus()) {
            continue;
        }
        const int count = tabs->GetItemCount();
        return tabs->UserSelectTab((tabs->GetCurSel() + (forward ? 1 : count - 1)) % count);
    }
    return false;
}

}  // namespace lanvane
