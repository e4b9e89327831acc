#include "ui/win32/TabBinding.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

std::wstring TabText(HWND tabs, int index) {
    wchar_t text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

// Tab labels come from the string table and mean an ampersand as one ("System &
// Information"); the tab control would take it for a mnemonic mark.
std::wstring LiteralLabel(const std::string& text) {
    std::wstring label;
    for (const wchar_t character : win32::Utf8ToWide(text)) {
        label += character;
        if (character == L'&') {
            label += L'&';
        }
    }
    return label;
}

}  // namespace

TabBinding::TabBinding(TabControl& tabs, HWND window, WindowHost& host)
    : ItemsBinding(tabs, window, host), tabs_(tabs) {}

LRESULT TabBinding::OnNotify(const NMHDR& header) {
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        const auto index = static_cast<int>(SendMessageW(Window(), TCM_GETCURSEL, 0, 0));
        UserAction([this, index] { tabs_.UserSelectTab(index); });
    }
    return FALSE;
}

void TabBinding::SyncItems() {
    for (int index = 0; index < tabs_.GetItemCount(); ++index) {
        std::wstring text = LiteralLabel(tabs_.GetItemText(index));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        const auto shown = static_cast<int>(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
        if (index >= shown) {
            SendMessageW(Window(), TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        } else if (TabText(Window(), index) != text) {
            SendMessageW(Window(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        }
    }
    while (SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0) > tabs_.GetItemCount()) {
        SendMessageW(Window(), TCM_DELETEITEM, static_cast<WPARAM>(tabs_.GetItemCount()), 0);
    }
}

void TabBinding::SyncSelection() {
    if (tabs_.GetCurSel() >= 0 && SendMessageW(Window(), TCM_GETCURSEL, 0, 0) != tabs_.GetCurSel()) {
        SendMessageW(Window(), TCM_SETCURSEL, static_cast<WPARAM>(tabs_.GetCurSel()), 0);
    }
}

}  // namespace lanvane
