#include "ui/ListView.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace lanvane {

ListView::ListView(ControlHost& host, const ControlTemplate& source) : Control(host, source) {}

int ListView::InsertColumn(int index, std::string_view title, int width, ColumnAlign align) {
    if (index < 0 || index > static_cast<int>(columns_.size())) {
        return -1;
    }
    columns_.insert(std::next(columns_.begin(), index), ListColumn{std::string(title), width, align});
    Changed(ModelChange::Columns);
    return index;
}

void ListView::SetGridLines(bool on) {
    gridLines_ = on;
    Changed(ModelChange::ListFlags);
}

void ListView::SetFullRowSelect(bool on) {
    fullRowSelect_ = on;
    Changed(ModelChange::ListFlags);
}

ListView::Row& ListView::RowAt(int row) {
    return rows_[static_cast<std::size_t>(row)];
}

const ListView::Row& ListView::RowAt(int row) const {
    return rows_[static_cast<std::size_t>(row)];
}

int ListView::InsertItem(int index, std::string_view text) {
    if (index < 0) {
        return -1;
    }
    if (index > GetItemCount()) {
        index = GetItemCount();
    }
    Row row;
    row.cells.emplace_back(text);
    rows_.insert(std::next(rows_.begin(), index), std::move(row));
    Changed(ModelChange::Rows, index);
    return index;
}

bool ListView::DeleteItem(int row) {
    if (!Contains(row)) {
        return false;
    }
    rows_.erase(std::next(rows_.begin(), row));
    Changed(ModelChange::Rows, row);
    return true;
}

void ListView::DeleteAllItems() {
    rows_.clear();
    Changed(ModelChange::Rows);
}

bool ListView::SetItemText(int row, int column, std::string_view text) {
    if (!Contains(row) || column < 0) {
        return false;
    }
    auto& cells = RowAt(row).cells;
    const auto position = static_cast<std::size_t>(column);
    if (cells.size() <= position) {
        cells.resize(position + 1);
    }
    cells[position] = std::string(text);
    Changed(ModelChange::Cell, row);
    return true;
}

std::string ListView::GetItemText(int row, int column) const {
    if (!Contains(row) || column < 0) {
        return {};
    }
    const auto& cells = RowAt(row).cells;
    const auto position = static_cast<std::size_t>(column);
    return position < cells.size() ? cells[position] : std::string();
}

bool ListView::SetItemData(int row, std::intptr_t data) {
    if (!Contains(row)) {
        return false;
    }
    RowAt(row).data = data;
    Changed(ModelChange::ItemData, row);
    return true;
}

std::intptr_t ListView::GetItemData(int row) const {
    return Contains(row) ? RowAt(row).data : 0;
}

bool ListView::SetItemState(int row, std::uint32_t state, std::uint32_t mask) {
    if (row == -1) {
        for (int each = 0; each < GetItemCount(); ++each) {
            ApplyState(each, (RowAt(each).state & ~mask) | (state & mask));
        }
        return true;
    }
    if (!Contains(row)) {
        return false;
    }
    ChangeState(row, state, mask);
    return true;
}

std::uint32_t ListView::GetItemState(int row, std::uint32_t mask) const {
    return Contains(row) ? (RowAt(row).state & mask) : item_state::kNone;
}

int ListView::GetNextItem(int start, std::uint32_t state) const {
    for (int row = start + 1; row < GetItemCount(); ++row) {
        if ((RowAt(row).state & state) == state) {
            return row;
        }
    }
    return -1;
}

// The focus, and in a single-selection list the selection, leave the other rows first.
void ListView::ChangeState(int row, std::uint32_t state, std::uint32_t mask) {
    std::uint32_t exclusive = item_state::kNone;
    if ((mask & state & item_state::kFocused) != 0) {
        exclusive |= item_state::kFocused;
    }
    if ((mask & state & item_state::kSelected) != 0 && HasStyle(style::kSingleSelection)) {
        exclusive |= item_state::kSelected;
    }
    ClearStateExcept(row, exclusive);
    if (!Contains(row)) {
        return;  // a handler of the notifications above emptied the list
    }
    ApplyState(row, (RowAt(row).state & ~mask) | (state & mask));
}

void ListView::ClearStateExcept(int keep, std::uint32_t bits) {
    if (bits == item_state::kNone) {
        return;
    }
    for (int row = 0; row < GetItemCount(); ++row) {
        if (row != keep) {
            ApplyState(row, RowAt(row).state & ~bits);
        }
    }
}

void ListView::ApplyState(int row, std::uint32_t newState) {
    const std::uint32_t oldState = RowAt(row).state;
    if (newState == oldState) {
        return;
    }
    RowAt(row).state = newState;
    Changed(ModelChange::ItemState, row);
    NotifyMessage message{NotifyCode::ListItemChanged};
    message.item = row;
    message.oldState = oldState;
    message.newState = newState;
    RaiseNotify(message);
}

bool ListView::UserClickRow(int row) {
    if ((row != -1 && !Contains(row)) || !UserFocus()) {
        return false;
    }
    if (row == -1) {
        ClearStateExcept(-1, item_state::kSelected);
        return true;
    }
    ClearStateExcept(row, item_state::kSelected | item_state::kFocused);
    if (!Contains(row)) {
        return true;  // a handler of the notifications above emptied the list
    }
    ApplyState(row, RowAt(row).state | item_state::kSelected | item_state::kFocused);
    return true;
}

int ListView::RowAfterKey(RowKey key) const {
    const int rows = GetItemCount();
    if (rows == 0) {
        return -1;
    }
    const int current = GetNextItem(-1, item_state::kFocused);
    switch (key) {
    case RowKey::Up:
        return std::max(0, current - 1);
    case RowKey::Down:
        return current < 0 ? 0 : std::min(rows - 1, current + 1);
    case RowKey::Home:
        return 0;
    case RowKey::End:
        break;
    }
    return rows - 1;
}

}  // namespace lanvane
