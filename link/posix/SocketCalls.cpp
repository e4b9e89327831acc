#include "link/SocketCalls.h"

#include "link/SocketAddress.h"
#include "link/posix/PollWait.h"
#include "link/posix/ReceiveBuffer.h"
#include "link/posix/SystemError.h"
#include "protocol/AddressText.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace lanvane::net {
namespace {

bool EnableOption(int socket, int option) {
    const int on = 1;
    return setsockopt(socket, SOL_SOCKET, option, &on, sizeof on) == 0;
}

void SetReceiveTimeout(int socket, std::chrono::milliseconds timeout) {
    timeval wait{};
    wait.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    wait.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
}

void SetBlocking(int socket, bool blocking) {
    const int flags = fcntl(socket, F_GETFL);
    if (flags >= 0) {
        fcntl(socket, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK);
    }
}

// A pending connect makes the socket writable both when it succeeds and when it is
// refused; only the socket's pending error tells the two apart. Returns that error, or
// ETIMEDOUT when the wait ran out.
int AwaitConnection(int socket, std::chrono::milliseconds wait) {
    switch (posix::WaitForWritable(socket, wait)) {
        case posix::WaitResult::TimedOut: return ETIMEDOUT;
        case posix::WaitResult::Failed: return errno != 0 ? errno : EIO;
        case posix::WaitResult::Ready: break;
    }
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 ? error : errno;
}

}  // namespace

NativeSocket OpenSocket(SocketKind kind) {
    const int type = kind == SocketKind::Stream ? SOCK_STREAM : SOCK_DGRAM | SOCK_NONBLOCK;
    const int created = socket(AF_INET, type | SOCK_CLOEXEC, 0);
    return created < 0 ? kNoSocket : created;
}

void CloseSocket(NativeSocket socket) {
    close(socket);
}

LinkError LastSocketError(std::string operation, std::string target) {
    return posix::SystemError(std::move(operation), std::move(target), errno);
}

LinkError Connect(NativeSocket socket, std::uint32_t peer, std::uint16_t port, std::chrono::milliseconds connectWait,
                  std::chrono::milliseconds receiveTimeout, const std::string& target) {
    SetReceiveTimeout(socket, receiveTimeout);
    SetBlocking(socket, false);
    const sockaddr_in address = SocketAddress(peer, port);
    int error = 0;
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = errno == EINPROGRESS ? AwaitConnection(socket, connectWait) : errno;
    }
    SetBlocking(socket, true);
    return error == 0 ? LinkError{} : posix::SystemError("connect to", target, error);
}

long SendStream(NativeSocket socket, const std::uint8_t* data, std::size_t length, const std::string& target,
                LinkError& error) {
    // A printer that has gone away must fail the send, not end the program.
    const long sent = send(socket, data, length, MSG_NOSIGNAL);
    if (sent < 0) {
        error = posix::SystemError("send to", target, errno);
    }
    return sent;
}

long ReceiveStream(NativeSocket socket, std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds,
                   const std::string& target, LinkError& error) {
    // The receive time-out was set at the connect.
    const long received = recv(socket, buffer, capacity, 0);
    if (received < 0) {
        const bool waitedOut = errno == EAGAIN || errno == EWOULDBLOCK;
        error = waitedOut ? LinkError{LinkFailure::TimedOut, "receive from", target, "no data"}
                          : posix::SystemError("receive from", target, errno);
    }
    return received;
}

bool PrepareDatagramSocket(NativeSocket socket, int receiveBufferBytes) {
    posix::EnlargeReceiveBuffer(socket, receiveBufferBytes);
    return EnableOption(socket, SO_BROADCAST);
}

long SendDatagram(NativeSocket socket, std::uint32_t remote, std::uint16_t port, std::span<const std::uint8_t> bytes) {
    const sockaddr_in address = SocketAddress(remote, port);
    ssize_t sent = -1;
    do {
        sent = sendto(socket, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&address),
                      sizeof address);
    } while (sent < 0 && errno == EINTR);
    return sent;
}

Received ReceiveDatagram(NativeSocket socket, UdpDatagram& datagram) {
    sockaddr_in sender{};
    socklen_t size = sizeof sender;
    ssize_t received = -1;
    do {
        // MSG_TRUNC gives the datagram's real length, so a cut one is known as such.
        received = recvfrom(socket, datagram.bytes.data(), datagram.bytes.size(), MSG_TRUNC,
                            reinterpret_cast<sockaddr*>(&sender), &size);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK ? Received::NothingWaiting : Received::Failed;
    }
    const auto whole = static_cast<std::size_t>(received);
    datagram.length = std::min(whole, UdpDatagram::kCapacity);
    datagram.truncated = whole > UdpDatagram::kCapacity;
    datagram.senderAddress = AddressText(ntohl(sender.sin_addr.s_addr));
    datagram.senderPort = ntohs(sender.sin_port);
    return Received::Datagram;
}

bool WaitReadable(NativeSocket socket, std::chrono::milliseconds limit) {
    return posix::WaitForReadable(socket, limit) == posix::WaitResult::Ready;
}

}  // namespace lanvane::net
