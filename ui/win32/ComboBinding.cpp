#include "ui/win32/ComboBinding.h"

#include <string>
#include <vector>

#include "platform/win32/WideText.h"
#include "ui/win32/WindowText.h"

namespace lanvane {

namespace {

std::string ItemText(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return win32::WideToUtf8(text);
}

}  // namespace

ComboBinding::ComboBinding(ComboBox& combo, HWND window, WindowHost& host)
    : ItemsBinding(combo, window, host), combo_(combo) {}

void ComboBinding::OnCommand(int code) {
    if (code == CBN_SELCHANGE) {
        const auto index = static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
        UserAction([this, index] { combo_.UserChoose(index); });
    } else if (code == CBN_EDITCHANGE) {
        UserAction([this] { combo_.UserReplaceText(WindowText(Window())); });
    }
}

void ComboBinding::SyncItems() {
    const auto shown = static_cast<int>(SendMessageW(Window(), CB_GETCOUNT, 0, 0));
    bool same = shown == combo_.GetCount();
    for (int index = 0; same && index < shown; ++index) {
        same = ItemText(Window(), index) == combo_.GetItemText(index);
    }
    if (same) {
        return;
    }
    SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
    for (int index = 0; index < combo_.GetCount(); ++index) {
        SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Utf8ToWide(combo_.GetItemText(index)).c_str()));
    }
}

// The selection, and for a combo the edit field, which a selection of none leaves alone.
void ComboBinding::SyncSelection() {
    if (SendMessageW(Window(), CB_GETCURSEL, 0, 0) != combo_.GetCurSel()) {
        SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(combo_.GetCurSel()), 0);
    }
    if (combo_.HasEditField() && WindowText(Window()) != combo_.Text()) {
        SetWindowTextW(Window(), win32::Utf8ToWide(combo_.Text()).c_str());
    }
}

}  // namespace lanvane
