#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"

namespace lanvane {

// A tab control. The user's choice of another tab raises TabSelChanging (a handler that
// returns true refuses it), then moves the selection and raises TabSelChange. SetCurSel
// from the program moves the selection silently.
class TabControl : public Control {
public:
    // Height of the tab strip in dialog units; pages go below it.
    static constexpr int kTabStripHeight = 14;

    using Control::Control;

    // An index beyond the end appends. The first item inserted becomes the selection.
    int InsertItem(int index, std::string_view text);
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    std::string GetItemText(int index) const;

    int GetCurSel() const { return selection_; }
    // Returns the previous selection, or -1 when index is out of range (nothing changes).
    int SetCurSel(int index);
    // Where the pages lie, in the dialog units of the dialog holding the control.
    DialogRect DisplayRect() const;

    // The user clicks tab index. True when the selection moved.
    bool UserSelectTab(int index);

private:
    bool Contains(int index) const { return index >= 0 && index < GetItemCount(); }
    void Select(int index);

    std::vector<std::string> items_;
    int selection_ = -1;
};

}  // namespace lanvane
