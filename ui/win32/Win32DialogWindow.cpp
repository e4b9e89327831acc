#include "ui/win32/Win32DialogWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/BindingFactory.h"
#include "ui/win32/DialogFrame.h"
#include "ui/SyncGuard.h"
#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

bool HoldsOtherControls(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::TabControl;
}

RECT InDialogUnits(HWND dialog, const DialogRect& units) {
    RECT rect{units.x, units.y, units.x + units.width, units.y + units.height};
    MapDialogRect(dialog, &rect);
    return rect;
}

}  // namespace

Win32DialogWindow::Win32DialogWindow(Dialog& dialog, Win32DialogWindow* owner, DialogWindowHost& host)
    : dialog_(dialog), isPage_(dialog.IsChild()), parentWindow_(isPage_ ? owner : nullptr), host_(host) {
    SyncGuard mirroring(host_.Mirroring());
    const DialogFrame frame(dialog.Template());
    HWND ownerWindow = owner == nullptr ? nullptr : owner->Handle();
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), frame.Template(), ownerWindow, Procedure,
                               reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        return;
    }
    if (isPage_) {
        if (parentWindow_ != nullptr) {
            parentWindow_->pages_.push_back(this);
        }
    } else {
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(host_.Icon()));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(host_.Icon()));
    }
    BuildControls();
    SyncWindow();
    dialog_.SetObserver(this);
}

Win32DialogWindow::~Win32DialogWindow() {
    dialog_.SetObserver(nullptr);
    for (Win32DialogWindow* page : pages_) {
        page->parentWindow_ = nullptr;
    }
    if (parentWindow_ != nullptr) {
        auto& siblings = parentWindow_->pages_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    byWindow_.clear();
    byControl_.clear();
    bindings_.clear();
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

INT_PTR CALLBACK Win32DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        return FALSE;
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return FALSE;
    }
    return self->Handle(message, wParam, lParam);
}

INT_PTR Win32DialogWindow::Answer(LRESULT result) {
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR Win32DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        if (ControlBinding* binding = BindingOf(reinterpret_cast<HWND>(lParam))) {
            binding->OnCommand(HIWORD(wParam));
        } else if (!isPage_ && LOWORD(wParam) == IDOK) {
            dialog_.UserOk();
        } else if (!isPage_ && LOWORD(wParam) == IDCANCEL) {
            dialog_.UserCancel();
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (ControlBinding* binding = BindingOf(header.hwndFrom)) {
            return Answer(binding->OnNotify(header));
        }
        return FALSE;
    }
    case WM_TIMER:
        dialog_.DispatchTimer(static_cast<int>(wParam));
        return TRUE;
    case WM_CLOSE:
        if (!isPage_) {
            dialog_.UserCancel();
        }
        return TRUE;
    case WM_SETCURSOR:
        if (host_.WaitCursorShown()) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return Answer(TRUE);
        }
        return FALSE;
    case WM_ACTIVATE:
        // The dialog manager would put back the focus it saved; the model knows where it is.
        if (LOWORD(wParam) != WA_INACTIVE) {
            ShowModelFocus();
        }
        return Answer(0);
    case WM_SETFOCUS:
        ShowModelFocus();
        return TRUE;
    default:
        return FALSE;
    }
}

void Win32DialogWindow::BuildControls() {
    for (const auto& control : dialog_.Controls()) {
        auto binding = MakeBinding(*control, window_, host_);
        byControl_[control.get()] = binding.get();
        byWindow_[binding->Window()] = binding.get();
        bindings_.push_back(std::move(binding));
    }
    // Frames lie behind the controls they hold, whatever the template order.
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
        if (HoldsOtherControls((*binding)->Model().Kind())) {
            SetWindowPos((*binding)->Window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (const auto& binding : bindings_) {
        binding->SyncAll();
    }
}

// Enter on a push button clicks it; anywhere else it is the dialog's Enter (the default
// button, or OnOk), as in the models and the Qt backend. The dialog manager would look the
// default button up by its id among the controls' own child windows too, where an IP
// address control's field may carry the same id.
void Win32DialogWindow::TakeEnter(HWND focus) {
    for (const Win32DialogWindow* window : WindowTree()) {
        ControlBinding* binding = window->BindingOf(focus);
        if (binding == nullptr) {
            continue;
        }
        const ControlKind kind = binding->Model().Kind();
        if (kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton) {
            binding->OnCommand(BN_CLICKED);
            return;
        }
        break;
    }
    dialog_.UserOk();
}

ControlBinding* Win32DialogWindow::BindingOf(const Control& control) const {
    const auto found = byControl_.find(&control);
    return found == byControl_.end() ? nullptr : found->second;
}

ControlBinding* Win32DialogWindow::BindingOf(HWND window) const {
    const auto found = byWindow_.find(window);
    return found == byWindow_.end() ? nullptr : found->second;
}

HWND Win32DialogWindow::WindowOf(const Control& control) const {
    ControlBinding* binding = BindingOf(control);
    return binding == nullptr ? nullptr : binding->Window();
}

HWND Win32DialogWindow::WindowOf(int controlId) const {
    const Control* control = dialog_.FindControl(controlId);
    return control == nullptr ? nullptr : WindowOf(*control);
}

std::vector<const Win32DialogWindow*> Win32DialogWindow::WindowTree() const {
    std::vector<const Win32DialogWindow*> tree{this};
    for (const Win32DialogWindow* page : pages_) {
        const auto below = page->WindowTree();
        tree.insert(tree.end(), below.begin(), below.end());
    }
    return tree;
}

void Win32DialogWindow::SyncWindow() {
    SyncGuard mirroring(host_.Mirroring());
    SyncEnabled();
    if (isPage_) {
        PlacePage();
        ShowWindow(window_, dialog_.IsWindowVisible() ? SW_SHOWNA : SW_HIDE);
    } else {
        SetWindowTextW(window_, win32::Utf8ToWide(dialog_.GetWindowText()).c_str());
    }
}

void Win32DialogWindow::SyncEnabled() {
    const bool reachable = isPage_ || host_.IsInnermost(dialog_);
    EnableWindow(window_, dialog_.IsWindowEnabled() && reachable ? TRUE : FALSE);
}

void Win32DialogWindow::PlacePage() {
    if (parentWindow_ == nullptr || parentWindow_->window_ == nullptr) {
        return;
    }
    const RECT rect = InDialogUnits(parentWindow_->window_, dialog_.Placement());
    SetWindowPos(window_, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE);
}

void Win32DialogWindow::FitFrame() {
    const DialogRect placement = dialog_.Placement();
    RECT rect = InDialogUnits(window_, DialogRect{0, 0, placement.width, placement.height});
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DialogWindow::ShowModal() {
    SyncGuard mirroring(host_.Mirroring());
    shownModal_ = true;
    SyncEnabled();
    ShowWindow(window_, dialog_.IsWindowVisible() ? SW_SHOW : SW_HIDE);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    ShowModelFocus();
}

void Win32DialogWindow::HideModal() {
    SyncGuard mirroring(host_.Mirroring());
    shownModal_ = false;
    ShowWindow(window_, SW_HIDE);
}

// Puts the system's focus where the model has it, without taking that for a move of the user.
void Win32DialogWindow::ShowModelFocus() {
    const Control* focus = dialog_.GetFocus();
    if (focus == nullptr || window_ == nullptr) {
        return;
    }
    HWND topWindow = GetAncestor(window_, GA_ROOT);
    if (GetActiveWindow() != topWindow) {
        return;
    }
    const Win32DialogWindow* top = this;
    while (top->parentWindow_ != nullptr) {
        top = top->parentWindow_;
    }
    for (const Win32DialogWindow* window : top->WindowTree()) {
        ControlBinding* binding = window->BindingOf(*focus);
        if (binding == nullptr) {
            continue;
        }
        const auto windows = binding->FocusWindows();
        if (std::find(windows.begin(), windows.end(), GetFocus()) == windows.end() && !windows.empty()) {
            SyncGuard mirroring(host_.Mirroring());
            SetFocus(windows.front());
        }
        return;
    }
}

void Win32DialogWindow::OnControlChanged(const Control& control, ModelChange what, int index) {
    if (ControlBinding* binding = BindingOf(control)) {
        binding->Apply(what, index);
    }
}

void Win32DialogWindow::OnDialogChanged(const Dialog& /*dialog*/, DialogChange what) {
    SyncGuard mirroring(host_.Mirroring());
    switch (what) {
    case DialogChange::Title:
        SetWindowTextW(window_, win32::Utf8ToWide(dialog_.GetWindowText()).c_str());
        break;
    case DialogChange::Visible:
        if (isPage_ || shownModal_) {
            ShowWindow(window_, dialog_.IsWindowVisible() ? SW_SHOWNA : SW_HIDE);
        }
        break;
    case DialogChange::Enabled:
        SyncEnabled();
        break;
    case DialogChange::Placement:
        if (isPage_) {
            PlacePage();
        } else {
            FitFrame();
        }
        break;
    case DialogChange::Focus:
        ShowModelFocus();
        break;
    }
}

}  // namespace lanvane
