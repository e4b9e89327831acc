#include "link/win32/Winsock.h"

#include <winsock2.h>

namespace lanvane::win32 {

bool SetBlocking(NativeSocket socket, bool blocking) {
    // The request code's sign bit is set; the call takes it as a long.
    u_long nonBlocking = blocking ? 0 : 1;
    return ioctlsocket(socket, static_cast<long>(FIONBIO), &nonBlocking) == 0;
}

SocketWait WaitForSocket(NativeSocket socket, bool writable, std::chrono::milliseconds timeout) {
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    timeval wait{};
    wait.tv_sec = static_cast<long>(timeout.count() / 1000);
    wait.tv_usec = static_cast<long>((timeout.count() % 1000) * 1000);
    // A failed connect shows in the exception set, not the write set.
    const int count = select(0, writable ? nullptr : &ready, writable ? &ready : nullptr, &failed, &wait);
    if (count == 0) {
        return SocketWait::TimedOut;
    }
    return count > 0 && FD_ISSET(socket, &ready) ? SocketWait::Ready : SocketWait::Failed;
}

}  // namespace lanvane::win32
