#include "ui/TabControl.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace lanvane {

int TabControl::InsertItem(int index, std::string_view text) {
    if (index < 0) {
        return -1;
    }
    index = std::min(index, GetItemCount());
    items_.emplace(std::next(items_.begin(), index), text);
    Changed(ModelChange::Items);
    if (selection_ == -1) {
        Select(0);
    } else if (selection_ >= index) {
        Select(selection_ + 1);
    }
    return index;
}

bool TabControl::DeleteItem(int index) {
    if (!Contains(index)) {
        return false;
    }
    items_.erase(std::next(items_.begin(), index));
    Changed(ModelChange::Items);
    if (selection_ == index) {
        Select(-1);
    } else if (selection_ > index) {
        Select(selection_ - 1);
    }
    return true;
}

void TabControl::DeleteAllItems() {
    items_.clear();
    Changed(ModelChange::Items);
    Select(-1);
}

std::string TabControl::GetItemText(int index) const {
    return Contains(index) ? items_[static_cast<std::size_t>(index)] : std::string();
}

void TabControl::Select(int index) {
    selection_ = index;
    Changed(ModelChange::Selection);
}

int TabControl::SetCurSel(int index) {
    if (!Contains(index)) {
        return -1;
    }
    const int previous = selection_;
    if (index != previous) {
        Select(index);
    }
    return previous;
}

DialogRect TabControl::DisplayRect() const {
    constexpr int kBorder = 2;
    const DialogRect outer = Rect();
    return DialogRect{outer.x + kBorder, outer.y + kTabStripHeight,
                      std::max(0, outer.width - 2 * kBorder),
                      std::max(0, outer.height - kTabStripHeight - kBorder)};
}

bool TabControl::UserSelectTab(int index) {
    if (!Contains(index) || index == selection_ || !AcceptsUserInput()) {
        return false;
    }
    if (RaiseNotify(NotifyMessage{NotifyCode::TabSelChanging})) {
        return false;
    }
    Select(index);
    RaiseNotify(NotifyMessage{NotifyCode::TabSelChange});
    return true;
}

}  // namespace lanvane
