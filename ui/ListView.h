#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"

namespace lanvane {

enum class ColumnAlign : std::uint8_t { Left, Center, Right };

// The keys that move the focus through a list's rows.
enum class RowKey : std::uint8_t { Up, Down, Home, End };

struct ListColumn {
    std::string title;
    int width = 0;  // pixels
    ColumnAlign align = ColumnAlign::Left;
};

// A list view in report mode. As with the classic control, every change of a row's state
// raises ListItemChanged, whether the program or the user made it; inserting and
// deleting rows raise nothing. At most one row has the focus; with kSingleSelection at
// most one row is selected.
class ListView : public Control {
public:
    ListView(ControlHost& host, const ControlTemplate& source);

    // Returns the index of the new column, or -1 when index is beyond the end.
    int InsertColumn(int index, std::string_view title, int width, ColumnAlign align = ColumnAlign::Left);
    const std::vector<ListColumn>& Columns() const { return columns_; }
    void SetGridLines(bool on);
    bool HasGridLines() const { return gridLines_; }
    void SetFullRowSelect(bool on);
    bool IsFullRowSelect() const { return fullRowSelect_; }

    // An index beyond the end appends; returns the row's index, or -1 for a negative index.
    int InsertItem(int index, std::string_view text);
    bool DeleteItem(int row);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(rows_.size()); }
    bool SetItemText(int row, int column, std::string_view text);
    // Empty for a cell that was never set or lies outside the list.
    std::string GetItemText(int row, int column) const;
    bool SetItemData(int row, std::intptr_t data);
    std::intptr_t GetItemData(int row) const;

    // Changes the bits of mask to those of state; row -1 means every row.
    bool SetItemState(int row, std::uint32_t state, std::uint32_t mask);
    std::uint32_t GetItemState(int row, std::uint32_t mask) const;
    // The first row after start that has every bit of state; -1 when none. start -1
    // searches from the first row.
    int GetNextItem(int start, std::uint32_t state) const;

    // The user clicks a row (selected and focused), or with row -1 an empty area (the
    // selection goes, the focus stays).
    bool UserClickRow(int row);
    // The row a key moves the focus to, from the focused one; -1 when the list is empty.
    int RowAfterKey(RowKey key) const;

private:
    struct Row {
        std::vector<std::string> cells;
        std::intptr_t data = 0;
        std::uint32_t state = item_state::kNone;
    };

    bool Contains(int row) const { return row >= 0 && row < GetItemCount(); }
    Row& RowAt(int row);
    const Row& RowAt(int row) const;
    void ChangeState(int row, std::uint32_t state, std::uint32_t mask);
    void ClearStateExcept(int keep, std::uint32_t bits);
    void ApplyState(int row, std::uint32_t newState);

    std::vector<ListColumn> columns_;
    std::vector<Row> rows_;
    bool gridLines_ = false;
    bool fullRowSelect_ = false;
};

}  // namespace lanvane
