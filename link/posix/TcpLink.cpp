#include "link/TcpLink.h"

#include "link/posix/PollWait.h"
#include "link/posix/SystemError.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace lanvane {
namespace {

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

CTcpLink::~CTcpLink() {
    Close();
}

std::string CTcpLink::Target() const {
    return address_ + ":" + std::to_string(port_);
}

bool CTcpLink::Connect() {
    Close();
    lastError_ = {};
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port_);
    if (inet_pton(AF_INET, address_.c_str(), &peer.sin_addr) != 1) {
        lastError_ = LinkError{LinkFailure::BadAddress, "connect to", Target(), {}};
        return false;
    }
    socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_ == kNoSocket) {
        lastError_ = posix::SystemError("connect to", Target(), errno);
        return false;
    }
    SetReceiveTimeout(socket_, timings_.receiveTimeout);
    SetBlocking(socket_, false);
    int error = 0;
    if (connect(socket_, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        error = errno == EINPROGRESS ? AwaitConnection(socket_, timings_.connectWait) : errno;
    }
    SetBlocking(socket_, true);
    if (error != 0) {
        lastError_ = posix::SystemError("connect to", Target(), error);
    }
    return error == 0;
}

long CTcpLink::Send(const std::uint8_t* data, std::size_t length) {
    if (socket_ == kNoSocket) {
        lastError_ = LinkError{LinkFailure::IoError, "send to", Target(), "not connected"};
        return -1;
    }
    // A printer that has gone away must fail the send, not end the program.
    const long sent = send(socket_, data, length, MSG_NOSIGNAL);
    if (sent < 0) {
        lastError_ = posix::SystemError("send to", Target(), errno);
    }
    return sent;
}

long CTcpLink::Receive(std::uint8_t* buffer, std::size_t capacity) {
    if (socket_ == kNoSocket) {
        lastError_ = LinkError{LinkFailure::IoError, "receive from", Target(), "not connected"};
        return -1;
    }
    const long received = recv(socket_, buffer, std::min(capacity, kReceiveLimit), 0);
    if (received == 0) {
        lastError_ = LinkError{LinkFailure::IoError, "receive from", Target(), "the printer closed the connection"};
    } else if (received < 0) {
        const bool waitedOut = errno == EAGAIN || errno == EWOULDBLOCK;
        lastError_ = waitedOut ? LinkError{LinkFailure::TimedOut, "receive from", Target(), "no data"}
                               : posix::SystemError("receive from", Target(), errno);
    }
    return received;
}

void CTcpLink::Close() {
    if (socket_ != kNoSocket) {
        close(socket_);
        socket_ = kNoSocket;
    }
}

}  // namespace lanvane
