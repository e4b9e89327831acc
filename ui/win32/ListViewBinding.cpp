#include "ui/win32/ListViewBinding.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

#include "ui/Notification.h"
#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

// The horizontal base unit of the classic dialog font (8 pt at 96 dpi).
constexpr int kClassicBaseX = 6;
// Room the list view leaves around a header's or cell's text.
constexpr int kTextPadding = 14;

int FormatOf(ColumnAlign align) {
    switch (align) {
    case ColumnAlign::Center:
        return LVCFMT_CENTER;
    case ColumnAlign::Right:
        return LVCFMT_RIGHT;
    case ColumnAlign::Left:
        break;
    }
    return LVCFMT_LEFT;
}

int TextWidth(HWND list, const std::string& text) {
    const std::wstring wide = win32::Utf8ToWide(text);
    return static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

UINT StateOf(const ListView& list, int row) {
    UINT state = 0;
    if (list.GetItemState(row, item_state::kSelected) != 0) {
        state |= LVIS_SELECTED;
    }
    if (list.GetItemState(row, item_state::kFocused) != 0) {
        state |= LVIS_FOCUSED;
    }
    return state;
}

std::optional<RowKey> RowKeyOf(WPARAM key) {
    switch (key) {
    case VK_UP: return RowKey::Up;
    case VK_DOWN: return RowKey::Down;
    case VK_HOME: return RowKey::Home;
    case VK_END: return RowKey::End;
    default: return std::nullopt;
    }
}

}  // namespace

ListViewBinding::ListViewBinding(ListView& list, HWND window, int baseX, WindowHost& host)
    : RowsBinding(list, window, host), list_(list), baseX_(baseX) {}

void ListViewBinding::SyncColumns() {
    while (SendMessageW(Window(), LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    const auto& columns = list_.Columns();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        std::wstring title = win32::Utf8ToWide(columns[column].title);
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        entry.fmt = FormatOf(columns[column].align);
        entry.cx = MulDiv(columns[column].width, baseX_, kClassicBaseX);
        entry.pszText = title.data();
        SendMessageW(Window(), LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
    }
}

// A width the window gives is a least width: a header or cell that needs more, in a longer
// language or a wider font, gets it, so that no text is cut off.
void ListViewBinding::WidenColumns() {
    const auto& columns = list_.Columns();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        int needed = TextWidth(Window(), columns[column].title);
        for (int row = 0; row < list_.GetItemCount(); ++row) {
            needed = std::max(needed, TextWidth(Window(), list_.GetItemText(row, static_cast<int>(column))));
        }
        needed += kTextPadding;
        if (SendMessageW(Window(), LVM_GETCOLUMNWIDTH, column, 0) < needed) {
            SendMessageW(Window(), LVM_SETCOLUMNWIDTH, column, needed);
        }
    }
}

void ListViewBinding::SyncFlags() {
    DWORD extended = LVS_EX_DOUBLEBUFFER;
    if (list_.HasGridLines()) {
        extended |= LVS_EX_GRIDLINES;
    }
    if (list_.IsFullRowSelect()) {
        extended |= LVS_EX_FULLROWSELECT;
    }
    SendMessageW(Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                 extended);
}

// Rows come and go one at a time; anything else is copied whole.
int ListViewBinding::ModelRows() const { return list_.GetItemCount(); }

int ListViewBinding::ShownRows() const { return static_cast<int>(SendMessageW(Window(), LVM_GETITEMCOUNT, 0, 0)); }

void ListViewBinding::InsertShownRow(int row) {
    LVITEMW item{};
    item.iItem = row;
    SendMessageW(Window(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewBinding::RemoveShownRow(int row) {
    SendMessageW(Window(), LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void ListViewBinding::ShowRows(int count) {
    SendMessageW(Window(), LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < count; ++row) {
        InsertShownRow(row);
    }
}

void ListViewBinding::SyncRowCells(int row) {
    if (row < 0 || row >= list_.GetItemCount()) {
        return;
    }
    for (int column = 0; column < static_cast<int>(list_.Columns().size()); ++column) {
        std::wstring text = win32::Utf8ToWide(list_.GetItemText(row, column));
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        SendMessageW(Window(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

void ListViewBinding::SyncRowState(int row) {
    if (row < 0 || row >= list_.GetItemCount()) {
        return;
    }
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = StateOf(list_, row);
    SendMessageW(Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if ((item.state & LVIS_FOCUSED) != 0) {
        SendMessageW(Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }
}

void ListViewBinding::SyncAllStates() {
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        SyncRowState(row);
    }
}

void ListViewBinding::ClickRow(int row) {
    UserAction([this, row] { list_.UserClickRow(row); });
}

bool ListViewBinding::TakeKey(WPARAM key) {
    const std::optional<RowKey> rowKey = RowKeyOf(key);
    const int next = rowKey ? list_.RowAfterKey(*rowKey) : -1;
    if (next < 0) {
        return false;
    }
    ClickRow(next);
    return true;
}

bool ListViewBinding::Intercept(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        SetFocus(Window());
        LVHITTESTINFO hit{};
        hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClickRow(static_cast<int>(SendMessageW(Window(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
        result = 0;
        return true;
    }
    case WM_KEYDOWN:
        result = 0;
        return TakeKey(wParam);
    default:
        return false;
    }
}

}  // namespace lanvane
