#include "ui/win32/Win32Backend.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "resources/ResourceIds.h"
#include "ui/Dialog.h"
#include "ui/DialogResult.h"
#include "ui/PageSwitch.h"
#include "ui/win32/OpenFileDialog.h"
#include "ui/SyncGuard.h"
#include "ui/win32/WebPageUrl.h"
#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

UINT IconStyle(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::Exclamation:
        return MB_ICONEXCLAMATION;
    case MessageBoxIcon::Information:
        return MB_ICONINFORMATION;
    case MessageBoxIcon::Error:
        return MB_ICONERROR;
    case MessageBoxIcon::None:
        break;
    }
    return 0;
}

HICON ApplicationIcon() {
    if (HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon::kApplication))) {
        return icon;
    }
    return LoadIconW(nullptr, IDI_APPLICATION);
}

void InitCommonControlsOnce() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                     ICC_INTERNET_CLASSES;
    InitCommonControlsEx(&controls);
}

void OpenWithShell(const std::string& url) {
    // The shell may hand the page to an extension that needs COM.
    const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellExecuteW(nullptr, L"open", win32::Utf8ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(initialized)) {
        CoUninitialize();
    }
}

// A visible system dialog (message box, open-file dialog) of this thread.
struct SystemDialogSearch {
    const std::map<const Dialog*, std::unique_ptr<Win32DialogWindow>>* ours;
    HWND found = nullptr;
};

BOOL CALLBACK FindSystemDialog(HWND window, LPARAM search) {
    auto& state = *reinterpret_cast<SystemDialogSearch*>(search);
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (!IsWindowVisible(window) || std::wstring_view(className) != L"#32770") {
        return TRUE;
    }
    for (const auto& [dialog, ourWindow] : *state.ours) {
        if (ourWindow->Handle() == window) {
            return TRUE;
        }
    }
    state.found = window;
    return FALSE;
}

}  // namespace

Win32Backend::Win32Backend()
    : icon_((InitCommonControlsOnce(), ApplicationIcon())),
      started_(static_cast<std::int64_t>(GetTickCount64())),
      sockets_([](Dialog& dialog, int token) { dialog.DispatchSocketReadable(token); }),
      urlOpener_(OpenWithShell) {}

Win32Backend::~Win32Backend() {
    SyncGuard mirroring(mirroring_);
    windows_.clear();
}

Win32DialogWindow* Win32Backend::WindowOf(const Dialog& dialog) const {
    const auto found = windows_.find(&dialog);
    return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32Backend::ControlWindow(const Control& control) const {
    for (const auto& [dialog, window] : windows_) {
        if (HWND found = window->WindowOf(control)) {
            return found;
        }
    }
    return nullptr;
}

Win32DialogWindow* Win32Backend::NewestTopLevel() const {
    return topLevels_.empty() ? nullptr : WindowOf(*topLevels_.back());
}

HWND Win32Backend::OwnerWindow(Dialog* owner) const {
    if (owner != nullptr) {
        if (Win32DialogWindow* window = WindowOf(owner->TopLevel())) {
            return window->Handle();
        }
    }
    Win32DialogWindow* newest = NewestTopLevel();
    return newest == nullptr ? nullptr : newest->Handle();
}

void Win32Backend::DialogOpened(Dialog& dialog) {
    Win32DialogWindow* owner = dialog.IsChild() ? WindowOf(*dialog.Parent()) : NewestTopLevel();
    windows_[&dialog] = std::make_unique<Win32DialogWindow>(dialog, owner, static_cast<DialogWindowHost&>(*this));
    if (!dialog.IsChild()) {
        topLevels_.push_back(&dialog);
    }
}

void Win32Backend::DialogClosed(Dialog& dialog) {
    sockets_.Forget(dialog);
    topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), &dialog), topLevels_.end());
    SyncModality();
    const auto found = windows_.find(&dialog);
    if (found != windows_.end()) {
        SyncGuard mirroring(mirroring_);
        windows_.erase(found);
    }
}

bool Win32Backend::IsInnermost(const Dialog& topLevel) const {
    const Dialog* innermost = InnermostWindow();
    return innermost == nullptr ? topLevels_.empty() || topLevels_.back() == &topLevel : innermost == &topLevel;
}

void Win32Backend::SyncModality() {
    for (const Dialog* dialog : topLevels_) {
        if (Win32DialogWindow* window = WindowOf(*dialog)) {
            window->SyncEnabled();
        }
    }
}

bool Win32Backend::IsDialogKey(const MSG& message, HWND dialog) {
    if (message.message != WM_KEYDOWN || (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) {
        return false;
    }
    if (message.hwnd != dialog && IsChild(dialog, message.hwnd) == FALSE) {
        return false;
    }
    const auto code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) == 0;
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp anywhere in the dialog.
bool Win32Backend::IsPageKey(const MSG& message, HWND dialog) {
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) {
        return false;
    }
    if (message.wParam != VK_TAB && message.wParam != VK_NEXT && message.wParam != VK_PRIOR) {
        return false;
    }
    return message.hwnd == dialog || IsChild(dialog, message.hwnd) != FALSE;
}

void Win32Backend::Dispatch(MSG& message) {
    Dialog* active = ActiveDialog();
    Win32DialogWindow* window = active == nullptr ? nullptr : WindowOf(*active);
    if (window != nullptr && IsPageKey(message, window->Handle())) {
        const bool back = message.wParam == VK_PRIOR || (message.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
        UserSwitchPage(*active, !back);
        return;
    }
    if (window != nullptr && IsDialogKey(message, window->Handle())) {
        if (message.wParam == VK_RETURN) {
            window->TakeEnter(message.hwnd);
        } else {
            active->UserCancel();
        }
        return;
    }
    if (window != nullptr && IsDialogMessageW(window->Handle(), &message) != FALSE) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Backend::RunModalLoop(Dialog& dialog) {
    Win32DialogWindow* window = WindowOf(dialog);
    frames_.Push(Frame{ModalKind::Dialog, &dialog});
    SyncModality();
    if (window != nullptr) {
        window->ShowModal();
    }
    while (!dialog.IsEnded()) {
        MSG message{};
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The session ends: every loop returns, the quit stays for the outer ones.
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
            dialog.EndDialog(kIdCancel);
            break;
        }
        Dispatch(message);
    }
    frames_.Pop();
    SyncModality();
    if (window != nullptr && WindowOf(dialog) == window) {
        window->HideModal();
    }
    if (Win32DialogWindow* outer = NewestTopLevel(); outer != nullptr && outer != window) {
        SetActiveWindow(outer->Handle());
    }
}

void Win32Backend::CloseInnermost() {
    const Frame* frame = frames_.Innermost();
    if (frame == nullptr) {
        return;
    }
    if (frame->kind == ModalKind::Dialog) {
        frame->dialog->EndDialog(kIdCancel);
        PostMessageW(nullptr, WM_NULL, 0, 0);
    } else if (HWND box = SystemDialogWindow()) {
        PostMessageW(box, WM_COMMAND, frame->kind == ModalKind::MessageBox ? IDOK : IDCANCEL, 0);
    }
}

void Win32Backend::CancelInnermost() {
    Dialog* dialog = ActiveDialog();
    if (dialog == nullptr) {
        CloseInnermost();
        return;
    }
    CancelAsUser(*dialog);
    PostMessageW(nullptr, WM_NULL, 0, 0);
}

bool Win32Backend::AcceptsInput(const Dialog& topLevel) const {
    return ActiveDialog() == &topLevel && !pumping_;
}

HWND Win32Backend::SystemDialogWindow() const {
    if (frames_.Empty() || frames_.InnermostOf(ModalKind::Dialog) != nullptr) {
        return nullptr;
    }
    SystemDialogSearch search{&windows_};
    EnumThreadWindows(GetCurrentThreadId(), FindSystemDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const MessageBoxRequest* Win32Backend::PendingMessageBox() const {
    const Frame* frame = frames_.Innermost();
    return frame != nullptr ? frame->native.messageBox : nullptr;
}

const FileDialogRequest* Win32Backend::PendingFileDialog() const {
    const Frame* frame = frames_.Innermost();
    return frame != nullptr ? frame->native.fileDialog : nullptr;
}

int Win32Backend::ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) {
    messageBoxes_.push_back(request);
    frames_.Push(Frame{ModalKind::MessageBox, owner, {&request, nullptr}});
    const UINT style = MB_OK | IconStyle(request.icon) | (owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL);
    MessageBoxW(OwnerWindow(owner), win32::Utf8ToWide(request.text).c_str(), win32::Utf8ToWide(request.caption).c_str(), style);
    frames_.Pop();
    SyncModality();
    return kIdOk;
}

std::vector<std::string> Win32Backend::ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) {
    frames_.Push(Frame{ModalKind::FileDialog, owner, {nullptr, &request}});
    std::vector<std::string> paths = RunOpenFileDialog(OwnerWindow(owner), request);
    frames_.Pop();
    SyncModality();
    return paths;
}

void Win32Backend::OpenUrl(const std::string& url) {
    openedUrls_.push_back(url);
    if (IsWebPageUrl(url)) {
        urlOpener_(url);
    }
}

void Win32Backend::SetTimer(Dialog& dialog, int timerId, int periodMs) {
    if (Win32DialogWindow* window = WindowOf(dialog)) {
        ::SetTimer(window->Handle(), static_cast<UINT_PTR>(timerId), static_cast<UINT>(std::max(periodMs, 0)),
                   nullptr);
    }
}

void Win32Backend::KillTimer(Dialog& dialog, int timerId) {
    if (Win32DialogWindow* window = WindowOf(dialog)) {
        ::KillTimer(window->Handle(), static_cast<UINT_PTR>(timerId));
    }
}

void Win32Backend::BeginWaitCursor() {
    if (waitCursorDepth_++ == 0) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
}

void Win32Backend::EndWaitCursor() {
    if (waitCursorDepth_ > 0 && --waitCursorDepth_ == 0) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

// Repaints while an exchange blocks: our windows at once, then whatever else waits to be
// painted; the user's input, timer ticks and socket messages wait in the queue until the
// exchange is over.
void Win32Backend::PumpPaint() {
    ++paintPumps_;
    if (pumping_) {
        return;
    }
    SyncGuard guard(pumping_);
    for (const Dialog* dialog : topLevels_) {
        if (Win32DialogWindow* window = WindowOf(*dialog)) {
            RedrawWindow(window->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT) != FALSE) {
        DispatchMessageW(&message);
    }
}

std::int64_t Win32Backend::NowMs() const {
    return static_cast<std::int64_t>(GetTickCount64()) - started_;
}

void Win32Backend::Sleep(int ms) {
    ::Sleep(static_cast<DWORD>(std::max(ms, 0)));
}

}  // namespace lanvane
