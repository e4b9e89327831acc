#pragma once

#include "ui/SocketHandle.h"

namespace lanvane {

class Dialog;

// The sockets whose data a backend's loop hands to their dialogs: the loop calls
// dialog.DispatchSocketReadable(token) while the socket has data to read.
class SocketWatchList {
public:
    virtual ~SocketWatchList() = default;

    virtual void Watch(Dialog& dialog, SocketHandle socket, int token) = 0;
    virtual void Unwatch(Dialog& dialog, int token) = 0;
};

}  // namespace lanvane
