#include "ui/win32/ControlBinding.h"

#include <commctrl.h>

namespace lanvane {

namespace {

constexpr UINT_PTR kSubclassId = 0x4C56;

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

ControlBinding::ControlBinding(Control& control, HWND window, WindowHost& host)
    : ModelBinding(control, host.Mirroring()), window_(window), host_(host) {
    WatchFocus(window_);
    std::vector<HWND> children;
    EnumChildWindows(window_, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        WatchFocus(child);
    }
}

ControlBinding::~ControlBinding() {
    for (HWND window : subclassed_) {
        RemoveWindowSubclass(window, Subclass, kSubclassId);
    }
}

void ControlBinding::WatchFocus(HWND window) {
    if (SetWindowSubclass(window, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        subclassed_.push_back(window);
    }
}

// The focus arriving in the control is the user's move unless a window copies its models.
LRESULT CALLBACK ControlBinding::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR self) {
    auto* binding = reinterpret_cast<ControlBinding*>(self);
    LRESULT result = 0;
    if (window == binding->window_ && binding->Intercept(message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_SETFOCUS && !binding->host_.Mirroring() && !binding->Syncing()) {
        binding->Model().UserFocus();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void ControlBinding::ShowEnabled() {
    EnableWindow(window_, Model().IsEnabled() ? TRUE : FALSE);
}

void ControlBinding::ShowVisible() {
    ShowWindow(window_, Model().IsVisible() ? SW_SHOWNA : SW_HIDE);
}

}  // namespace lanvane
