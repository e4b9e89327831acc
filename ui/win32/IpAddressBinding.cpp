#include "ui/win32/IpAddressBinding.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/WideText.h"
#include "ui/win32/WindowText.h"

namespace lanvane {

namespace {

LONG LeftEdge(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.left;
}

// The control's own window comes first, then its edit fields.
std::vector<HWND> FieldsOf(const std::vector<HWND>& watched) {
    if (watched.size() < 2) {
        return {};
    }
    return {watched.begin() + 1, watched.end()};
}

}  // namespace

IpAddressBinding::IpAddressBinding(IpAddressControl& address, HWND window, WindowHost& host)
    : FieldsBinding(address, window, host), address_(address), fields_(FieldsOf(Watched())) {
    std::sort(fields_.begin(), fields_.end(), [](HWND a, HWND b) { return LeftEdge(a) < LeftEdge(b); });
}

void IpAddressBinding::OnCommand(int code) {
    if (code == EN_CHANGE) {
        TakeUserFields();
    }
}

LRESULT IpAddressBinding::OnNotify(const NMHDR& header) {
    if (header.code == static_cast<UINT>(IPN_FIELDCHANGED)) {
        TakeUserFields();
    }
    return 0;
}

// The fields whose text differs from the model's, in order.
void IpAddressBinding::TakeUserFields() {
    for (int index = 0; index < static_cast<int>(fields_.size()); ++index) {
        const std::string digits = WindowText(fields_[static_cast<std::size_t>(index)]);
        if (digits != ShownField(index)) {
            UserAction([this, index, &digits] { address_.UserSetField(index, digits); });
        }
    }
}

std::string IpAddressBinding::ShownField(int index) const {
    const auto value = address_.Field(index);
    return value ? std::to_string(*value) : std::string();
}

void IpAddressBinding::SyncField(int index) {
    if (index >= static_cast<int>(fields_.size())) {
        return;
    }
    const std::string text = ShownField(index);
    HWND field = fields_[static_cast<std::size_t>(index)];
    if (WindowText(field) != text) {
        SetWindowTextW(field, win32::Utf8ToWide(text).c_str());
    }
}

}  // namespace lanvane
