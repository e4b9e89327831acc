#include "sim/win32/Winsock.h"

#include <winsock2.h>

namespace lanvane::sim {

bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

bool MakeNonBlocking(NativeSocket socket) {
    // The request code's sign bit is set; the call takes it as a long.
    u_long on = 1;
    return ioctlsocket(socket, static_cast<long>(FIONBIO), &on) == 0;
}

}  // namespace lanvane::sim
