#include "sim/SocketCalls.h"

#include "link/SocketAddress.h"
#include "link/win32/Winsock.h"
#include "platform/win32/Winsock.h"

namespace lanvane::sim {
namespace {

constexpr int kBacklog = 16;

bool Share(SOCKET socket) {
    const BOOL on = TRUE;
    return setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on) == 0;
}

SHORT PollEvents(unsigned wanted) {
    return static_cast<SHORT>(((wanted & kReadable) != 0 ? POLLRDNORM : 0) |
                              ((wanted & kWritable) != 0 ? POLLWRNORM : 0));
}

unsigned Fired(SHORT revents) {
    return ((revents & (POLLRDNORM | POLLERR)) != 0 ? kReadable : 0u) |
           ((revents & POLLWRNORM) != 0 ? kWritable : 0u) | ((revents & POLLHUP) != 0 ? kHungUp : 0u);
}

// Binds and tells the port; closes the socket on failure. A free datagram port is taken
// alone (so it cannot land on a port someone shares already) and shared afterwards.
// Listening ports are never shared: on Windows that would let another program take them.
NativeSocket Bound(SOCKET socket, sockaddr_in local, bool share, std::uint16_t& bound) {
    int size = sizeof local;
    const bool named = local.sin_port != 0;
    const bool ok = socket != INVALID_SOCKET && win32::SetBlocking(socket, false) && (!share || !named || Share(socket)) &&
                    bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
                    (!share || named || Share(socket)) &&
                    getsockname(socket, reinterpret_cast<sockaddr*>(&local), &size) == 0;
    if (!ok) {
        CloseSocket(socket);
        return kNoSocket;
    }
    bound = ntohs(local.sin_port);
    return socket;
}

}  // namespace

bool WaitForSockets(std::vector<SocketWait>& waits, int timeoutMs) {
    std::vector<WSAPOLLFD> polled;
    for (const SocketWait& wait : waits) {
        polled.push_back(WSAPOLLFD{static_cast<SOCKET>(wait.socket), PollEvents(wait.wanted), 0});
    }
    const int ready = WSAPoll(polled.data(), static_cast<ULONG>(polled.size()), timeoutMs);
    for (std::size_t index = 0; index < waits.size(); ++index) {
        waits[index].fired = ready > 0 ? Fired(polled[index].revents) : 0;
    }
    return ready != SOCKET_ERROR;
}

NativeSocket OpenDatagramSocket(std::uint16_t port, std::uint16_t& bound) {
    if (!win32::StartWinsock()) {
        return kNoSocket;
    }
    return Bound(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP), net::SocketAddress(INADDR_ANY, port), true, bound);
}

long ReceiveDatagram(NativeSocket socket, std::span<std::uint8_t> buffer, Endpoint& sender) {
    sockaddr_in from{};
    int size = sizeof from;
    const int received = recvfrom(socket, reinterpret_cast<char*>(buffer.data()), static_cast<int>(buffer.size()), 0,
                                  reinterpret_cast<sockaddr*>(&from), &size);
    // A datagram longer than the buffer arrives cut, as on POSIX systems.
    if (received == SOCKET_ERROR && WSAGetLastError() == WSAEMSGSIZE) {
        sender = Endpoint{ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)};
        return static_cast<long>(buffer.size());
    }
    if (received == SOCKET_ERROR) {
        return -1;
    }
    sender = Endpoint{ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)};
    return received;
}

// The source address is the system's: Windows chooses it only through WSASendMsg, which the
// simulator does not need there (the demo's printers all answer from the loopback address).
Transfer SendDatagram(NativeSocket socket, std::span<const std::uint8_t> bytes, const Endpoint& target,
                      std::uint32_t /*from*/) {
    const sockaddr_in to = net::SocketAddress(target.address, target.port);
    const int sent = sendto(socket, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
                            reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent == static_cast<int>(bytes.size())) {
        return Transfer::Done;
    }
    const int error = WSAGetLastError();
    return sent == SOCKET_ERROR && (error == WSAEWOULDBLOCK || error == WSAENOBUFS) ? Transfer::WouldBlock
                                                                                   : Transfer::Failed;
}

NativeSocket OpenListeningSocket(const std::string& address, std::uint16_t port, std::uint16_t& bound) {
    sockaddr_in local = net::SocketAddress(0, port);
    if (!win32::StartWinsock() || inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) {
        return kNoSocket;
    }
    const NativeSocket socket = Bound(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP), local, false, bound);
    if (socket != kNoSocket && listen(socket, kBacklog) != 0) {
        CloseSocket(socket);
        return kNoSocket;
    }
    return socket;
}

// An accepted socket takes the listener's non-blocking mode.
NativeSocket AcceptConnection(NativeSocket listener) {
    const SOCKET socket = accept(listener, nullptr, nullptr);
    return socket == INVALID_SOCKET ? kNoSocket : socket;
}

Transfer ReceiveStream(NativeSocket socket, std::span<std::uint8_t> buffer, std::size_t& count) {
    const int received = recv(socket, reinterpret_cast<char*>(buffer.data()), static_cast<int>(buffer.size()), 0);
    count = received > 0 ? static_cast<std::size_t>(received) : 0;
    if (received > 0) {
        return Transfer::Done;
    }
    if (received == 0) {
        return Transfer::Closed;
    }
    return WSAGetLastError() == WSAEWOULDBLOCK ? Transfer::WouldBlock : Transfer::Failed;
}

Transfer SendStream(NativeSocket socket, std::span<const std::uint8_t> bytes, std::size_t& count) {
    const int sent = send(socket, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0);
    count = sent > 0 ? static_cast<std::size_t>(sent) : 0;
    if (sent != SOCKET_ERROR) {
        return Transfer::Done;
    }
    return WSAGetLastError() == WSAEWOULDBLOCK ? Transfer::WouldBlock : Transfer::Failed;
}

void CloseSocket(NativeSocket socket) {
    if (socket != kNoSocket) {
        closesocket(socket);
    }
}

}  // namespace lanvane::sim
