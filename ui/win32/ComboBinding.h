#pragma once

#include <vector>

#include "ui/ComboBox.h"
#include "ui/ItemsBinding.h"
#include "ui/win32/ControlBinding.h"

namespace lanvane {

// A drop-down list or combo box: the user's pick goes to UserChoose, typing into a combo's
// edit field to UserReplaceText.
class ComboBinding final : public ItemsBinding<ControlBinding> {
public:
    ComboBinding(ComboBox& combo, HWND window, WindowHost& host);

    std::vector<HWND> FocusWindows() const override { return Watched(); }
    void OnCommand(int code) override;

private:
    void SyncItems() override;
    void SyncSelection() override;

    ComboBox& combo_;
};

}  // namespace lanvane
