#include "ui/win32/ControlBinding.h"

#include <commctrl.h>

#include "ui/SyncGuard.h"

namespace lanvane {

namespace {

constexpr UINT_PTR kSubclassId = 0x4C56;

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

ControlBinding::ControlBinding(Control& control, HWND window, WindowHost& host)
    : control_(control), window_(window), host_(host) {
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
    if (message == WM_SETFOCUS && !binding->host_.Mirroring() && !binding->syncing_) {
        binding->control_.UserFocus();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void ControlBinding::SyncAll() {
    SyncGuard guard(syncing_);
    SyncGuard mirroring(host_.Mirroring());
    EnableWindow(window_, control_.IsEnabled() ? TRUE : FALSE);
    ShowWindow(window_, control_.IsVisible() ? SW_SHOWNA : SW_HIDE);
    SyncContent();
}

void ControlBinding::Apply(ModelChange what, int index) {
    SyncGuard guard(syncing_);
    SyncGuard mirroring(host_.Mirroring());
    switch (what) {
    case ModelChange::Enabled:
        EnableWindow(window_, control_.IsEnabled() ? TRUE : FALSE);
        break;
    case ModelChange::Visible:
        ShowWindow(window_, control_.IsVisible() ? SW_SHOWNA : SW_HIDE);
        break;
    default:
        ApplyContent(what, index);
        break;
    }
}

void ControlBinding::ApplyContent(ModelChange /*what*/, int /*index*/) {
    SyncContent();
}

}  // namespace lanvane
