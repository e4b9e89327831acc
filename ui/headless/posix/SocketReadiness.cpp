#include "ui/headless/SocketReadiness.h"

#include <poll.h>

#include <algorithm>

namespace lanvane {

std::vector<bool> ReadableSockets(std::span<const SocketHandle> sockets, int timeoutMs) {
    std::vector<pollfd> polled;
    polled.reserve(sockets.size());
    for (const SocketHandle socket : sockets) {
        polled.push_back(pollfd{socket.As<int>(), POLLIN, 0});
    }
    std::vector<bool> readable(sockets.size(), false);
    if (poll(polled.data(), polled.size(), std::max(timeoutMs, 0)) <= 0) {
        return readable;
    }
    constexpr short kReadable = POLLIN | POLLHUP | POLLERR;
    for (std::size_t index = 0; index < polled.size(); ++index) {
        readable[index] = (polled[index].revents & kReadable) != 0;
    }
    return readable;
}

}  // namespace lanvane
