#include "ui/win32/UserClicks.h"

#include <commctrl.h>

namespace lanvane {

namespace {

void ClickAt(HWND window, const RECT& item) {
    const LPARAM middle = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(window, WM_LBUTTONUP, 0, middle);
}

}  // namespace

bool ClickTab(HWND tabs, int index) {
    RECT item{};
    if (!SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
        return false;
    }
    ClickAt(tabs, item);
    return true;
}

bool ClickListRow(HWND list, int row) {
    if (row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) {
        return false;
    }
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT cell{};
    cell.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    ClickAt(list, cell);
    return true;
}

}  // namespace lanvane
