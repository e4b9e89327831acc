#include "ui/headless/SocketReadiness.h"

#include <winsock2.h>

#include <algorithm>

namespace lanvane {

std::vector<bool> ReadableSockets(std::span<const SocketHandle> sockets, int timeoutMs) {
    std::vector<WSAPOLLFD> polled;
    polled.reserve(sockets.size());
    for (const SocketHandle socket : sockets) {
        polled.push_back(WSAPOLLFD{socket.As<SOCKET>(), POLLRDNORM, 0});
    }
    std::vector<bool> readable(sockets.size(), false);
    if (WSAPoll(polled.data(), static_cast<ULONG>(polled.size()), std::max(timeoutMs, 0)) <= 0) {
        return readable;
    }
    constexpr short kReadable = POLLRDNORM | POLLHUP | POLLERR;
    for (std::size_t index = 0; index < polled.size(); ++index) {
        readable[index] = (polled[index].revents & kReadable) != 0;
    }
    return readable;
}

}  // namespace lanvane
