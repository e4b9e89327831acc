#pragma once

#include "ui/TabControl.h"
#include "ui/ItemsBinding.h"
#include "ui/win32/ControlBinding.h"

namespace lanvane {

// A tab control. The system moves its selection before it tells the dialog; the move then
// goes to the model's UserSelectTab, which raises TabSelChanging (a handler may refuse) and
// TabSelChange, and the control is put back where the model says.
class TabBinding final : public ItemsBinding<ControlBinding> {
public:
    TabBinding(TabControl& tabs, HWND window, WindowHost& host);

    LRESULT OnNotify(const NMHDR& header) override;

private:
    void SyncItems() override;
    void SyncSelection() override;

    TabControl& tabs_;
};

}  // namespace lanvane
