#pragma once

#include "ui/win32/WindowsHeader.h"

#include <functional>
#include <map>
#include <utility>

#include "ui/SocketHandle.h"
#include "ui/SocketWatchList.h"

namespace lanvane {

class Dialog;

// The dialogs' watched sockets, told apart by WSAAsyncSelect messages to a message-only
// window: socket readiness is a window message like any other, so it arrives through
// whatever modal loop runs, also a message box's or the open-file dialog's. A socket rests
// while its own handler runs; readiness that comes meanwhile is delivered once the handler
// has returned. While watched, a socket is in non-blocking mode (WSAAsyncSelect puts it
// there) and stays so afterwards.
class Win32SocketWatch final : public SocketWatchList {
public:
    using Readable = std::function<void(Dialog&, int)>;

    explicit Win32SocketWatch(Readable readable);
    ~Win32SocketWatch() override;
    Win32SocketWatch(const Win32SocketWatch&) = delete;
    Win32SocketWatch& operator=(const Win32SocketWatch&) = delete;

    void Watch(Dialog& dialog, SocketHandle socket, int token) override;
    void Unwatch(Dialog& dialog, int token) override;
    void Forget(const Dialog& dialog);

private:
    using Key = std::pair<Dialog*, int>;
    struct Watched {
        SocketHandle socket;
        bool busy = false;     // its handler runs
        bool pending = false;  // readiness came while it ran
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Deliver(SocketHandle socket);
    void Deliver(const Key& key);
    void StopSelecting(SocketHandle socket);

    Readable readable_;
    HWND window_ = nullptr;
    std::map<Key, Watched> watched_;
};

}  // namespace lanvane
