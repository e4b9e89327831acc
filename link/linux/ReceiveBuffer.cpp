#include "link/SocketCalls.h"
#include "link/posix/ReceiveBuffer.h"

#include <linux/sock_diag.h>
#include <sys/socket.h>

#include <array>

namespace lanvane {

// Forcing the size passes the system's limit where the program may; elsewhere the size is
// the most the limit allows.
void posix::EnlargeReceiveBuffer(int socket, int size) {
    if (setsockopt(socket, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0) {
        setsockopt(socket, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    }
}

// The socket's own drop counter, read at any time (the counter that comes with received
// datagrams would miss drops after the last one).
std::uint32_t net::DroppedDatagrams(NativeSocket socket) {
    std::array<std::uint32_t, SK_MEMINFO_VARS> meminfo{};
    socklen_t size = sizeof meminfo;
    if (getsockopt(socket, SOL_SOCKET, SO_MEMINFO, meminfo.data(), &size) != 0 ||
        size <= SK_MEMINFO_DROPS * sizeof(std::uint32_t)) {
        return 0;
    }
    return meminfo[SK_MEMINFO_DROPS];
}

}  // namespace lanvane
