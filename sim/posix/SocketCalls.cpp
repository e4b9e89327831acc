#include "sim/SocketCalls.h"

#include "link/SocketAddress.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace lanvane::sim {
namespace {

constexpr int kBacklog = 16;

bool Share(int socket) {
    const int on = 1;
    return setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0;
}

short PollEvents(unsigned wanted) {
    return static_cast<short>(((wanted & kReadable) != 0 ? POLLIN : 0) | ((wanted & kWritable) != 0 ? POLLOUT : 0));
}

unsigned Fired(short revents) {
    return ((revents & (POLLIN | POLLERR)) != 0 ? kReadable : 0u) | ((revents & POLLOUT) != 0 ? kWritable : 0u) |
           ((revents & POLLHUP) != 0 ? kHungUp : 0u);
}

// Binds and tells the port; closes the socket on failure. A free port is taken alone (so
// it cannot land on a port someone shares already) and shared afterwards.
NativeSocket Bound(int fd, sockaddr_in local, bool share, std::uint16_t& bound) {
    socklen_t size = sizeof local;
    const bool named = local.sin_port != 0;
    const bool ok = fd >= 0 && (!share || !named || Share(fd)) &&
                    bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
                    (!share || named || Share(fd)) &&
                    getsockname(fd, reinterpret_cast<sockaddr*>(&local), &size) == 0;
    if (!ok) {
        CloseSocket(fd);
        return kNoSocket;
    }
    bound = ntohs(local.sin_port);
    return fd;
}

// The ancillary data that makes a datagram leave from a chosen local address.
class SourceChoice {
public:
    msghdr* Leaving(msghdr& message, std::uint32_t from) {
        message.msg_control = bytes_.data();
        message.msg_controllen = bytes_.size();
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo source{};
        source.ipi_spec_dst.s_addr = htonl(from);
        std::memcpy(CMSG_DATA(header), &source, sizeof source);
        return &message;
    }

private:
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(in_pktinfo))> bytes_{};
};

bool WouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR; }

}  // namespace

bool WaitForSockets(std::vector<SocketWait>& waits, int timeoutMs) {
    std::vector<pollfd> polled;
    for (const SocketWait& wait : waits) {
        polled.push_back(pollfd{wait.socket, PollEvents(wait.wanted), 0});
    }
    const int ready = poll(polled.data(), polled.size(), timeoutMs);
    for (std::size_t index = 0; index < waits.size(); ++index) {
        waits[index].fired = ready > 0 ? Fired(polled[index].revents) : 0;
    }
    return ready >= 0 || errno == EINTR;
}

NativeSocket OpenDatagramSocket(std::uint16_t port, std::uint16_t& bound) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    return Bound(fd, net::SocketAddress(INADDR_ANY, port), true, bound);
}

long ReceiveDatagram(NativeSocket socket, std::span<std::uint8_t> buffer, Endpoint& sender) {
    sockaddr_in from{};
    socklen_t size = sizeof from;
    const ssize_t received = recvfrom(socket, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &size);
    if (received < 0) {
        return -1;
    }
    sender = Endpoint{ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)};
    return static_cast<long>(received);
}

Transfer SendDatagram(NativeSocket socket, std::span<const std::uint8_t> bytes, const Endpoint& target,
                      std::uint32_t from) {
    sockaddr_in to = net::SocketAddress(target.address, target.port);
    iovec data{const_cast<std::uint8_t*>(bytes.data()), bytes.size()};
    msghdr message{};
    message.msg_name = &to;
    message.msg_namelen = sizeof to;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    SourceChoice source;
    ssize_t sent = sendmsg(socket, from != 0 ? source.Leaving(message, from) : &message, 0);
    if (sent < 0 && errno == EINVAL && from != 0) {
        // A loopback address cannot be the source on other networks; the system's then is.
        message.msg_control = nullptr;
        message.msg_controllen = 0;
        sent = sendmsg(socket, &message, 0);
    }
    if (sent == static_cast<ssize_t>(bytes.size())) {
        return Transfer::Done;
    }
    return sent < 0 && (errno == EAGAIN || errno == ENOBUFS) ? Transfer::WouldBlock : Transfer::Failed;
}

NativeSocket OpenListeningSocket(const std::string& address, std::uint16_t port, std::uint16_t& bound) {
    sockaddr_in local = net::SocketAddress(0, port);
    if (inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) {
        return kNoSocket;
    }
    const int fd = Bound(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0), local, true, bound);
    if (fd != kNoSocket && listen(fd, kBacklog) != 0) {
        CloseSocket(fd);
        return kNoSocket;
    }
    return fd;
}

NativeSocket AcceptConnection(NativeSocket listener) {
    const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    return fd < 0 ? kNoSocket : fd;
}

Transfer ReceiveStream(NativeSocket socket, std::span<std::uint8_t> buffer, std::size_t& count) {
    const ssize_t received = recv(socket, buffer.data(), buffer.size(), 0);
    count = received > 0 ? static_cast<std::size_t>(received) : 0;
    if (received > 0) {
        return Transfer::Done;
    }
    if (received == 0) {
        return Transfer::Closed;
    }
    return WouldBlock() ? Transfer::WouldBlock : Transfer::Failed;
}

Transfer SendStream(NativeSocket socket, std::span<const std::uint8_t> bytes, std::size_t& count) {
    // MSG_NOSIGNAL: a client that hung up must not kill the process with SIGPIPE.
    const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    count = sent > 0 ? static_cast<std::size_t>(sent) : 0;
    if (sent >= 0) {
        return Transfer::Done;
    }
    return WouldBlock() ? Transfer::WouldBlock : Transfer::Failed;
}

void CloseSocket(NativeSocket socket) {
    if (socket != kNoSocket) {
        close(socket);
    }
}

}  // namespace lanvane::sim
