// Winsock's header goes before the system's general one.
#include <winsock2.h>

#include "ui/win32/Win32SocketWatch.h"

#include <vector>

#include "platform/win32/Winsock.h"

namespace lanvane {

namespace {

constexpr UINT kSocketMessage = WM_APP + 1;
constexpr wchar_t kWindowClass[] = L"LanvaneSocketWatch";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

Win32SocketWatch::Win32SocketWatch(Readable readable) : readable_(std::move(readable)) {
    win32::StartWinsock();
    RegisterWindowClass(Procedure);
    window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32SocketWatch::~Win32SocketWatch() {
    for (const auto& [key, watched] : watched_) {
        StopSelecting(watched.socket);
    }
    DestroyWindow(window_);
}

LRESULT CALLBACK Win32SocketWatch::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32SocketWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kSocketMessage && self != nullptr) {
        self->Deliver(SocketHandle(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32SocketWatch::Watch(Dialog& dialog, SocketHandle socket, int token) {
    Unwatch(dialog, token);
    watched_.insert_or_assign(Key{&dialog, token}, Watched{socket});
    WSAAsyncSelect(socket.As<SOCKET>(), window_, kSocketMessage, FD_READ | FD_CLOSE);
}

void Win32SocketWatch::Unwatch(Dialog& dialog, int token) {
    const auto found = watched_.find(Key{&dialog, token});
    if (found != watched_.end()) {
        const SocketHandle socket = found->second.socket;
        watched_.erase(found);
        StopSelecting(socket);
    }
}

void Win32SocketWatch::Forget(const Dialog& dialog) {
    std::vector<int> tokens;
    for (const auto& [key, watched] : watched_) {
        if (key.first == &dialog) {
            tokens.push_back(key.second);
        }
    }
    for (const int token : tokens) {
        Unwatch(const_cast<Dialog&>(dialog), token);
    }
}

// Messages stop only when no other watch holds the same socket.
void Win32SocketWatch::StopSelecting(SocketHandle socket) {
    for (const auto& [key, watched] : watched_) {
        if (watched.socket == socket) {
            return;
        }
    }
    WSAAsyncSelect(socket.As<SOCKET>(), window_, 0, 0);
}

void Win32SocketWatch::Deliver(SocketHandle socket) {
    std::vector<Key> keys;
    for (const auto& [key, watched] : watched_) {
        if (watched.socket == socket) {
            keys.push_back(key);
        }
    }
    for (const Key& key : keys) {
        Deliver(key);
    }
}

void Win32SocketWatch::Deliver(const Key& key) {
    auto found = watched_.find(key);
    if (found == watched_.end()) {
        return;
    }
    if (found->second.busy) {
        found->second.pending = true;
        return;
    }
    const SocketHandle socket = found->second.socket;
    found->second.busy = true;
    readable_(*key.first, key.second);
    // The handler may have unwatched the socket, or watched another under the same token.
    found = watched_.find(key);
    if (found == watched_.end() || !(found->second.socket == socket)) {
        return;
    }
    found->second.busy = false;
    if (found->second.pending) {
        found->second.pending = false;
        PostMessageW(window_, kSocketMessage, socket.As<WPARAM>(), 0);
    }
}

}  // namespace lanvane
