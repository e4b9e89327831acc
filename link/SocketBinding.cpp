#include "link/SocketCalls.h"

#include "link/SocketAddress.h"

// Binding a socket to a local port and reading it back are the same calls on every system.
namespace lanvane::net {

bool BindAnyAddress(NativeSocket socket, std::uint16_t port) {
    const sockaddr_in local = SocketAddress(INADDR_ANY, port);
    return bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
}

std::uint16_t BoundPortOf(NativeSocket socket) {
    sockaddr_in local{};
    SocketLength size = sizeof local;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

}  // namespace lanvane::net
