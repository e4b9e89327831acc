#include "link/TcpLink.h"

#include "link/posix/PollWait.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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
// refused; only the socket's pending error tells the two apart.
bool AwaitConnection(int socket, std::chrono::milliseconds wait) {
    if (posix::WaitForWritable(socket, wait) != posix::WaitResult::Ready) {
        return false;
    }
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

}  // namespace

CTcpLink::~CTcpLink() {
    Close();
}

bool CTcpLink::Connect() {
    Close();
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port_);
    if (inet_pton(AF_INET, address_.c_str(), &peer.sin_addr) != 1) {
        return false;
    }
    socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_ == kNoSocket) {
        return false;
    }
    SetReceiveTimeout(socket_, timings_.receiveTimeout);
    SetBlocking(socket_, false);
    const bool connected =
        connect(socket_, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0 ||
        (errno == EINPROGRESS && AwaitConnection(socket_, timings_.connectWait));
    SetBlocking(socket_, true);
    return connected;
}

long CTcpLink::Send(const std::uint8_t* data, std::size_t length) {
    if (socket_ == kNoSocket) {
        return -1;
    }
    // A printer that has gone away must fail the send, not end the program.
    return send(socket_, data, length, MSG_NOSIGNAL);
}

long CTcpLink::Receive(std::uint8_t* buffer, std::size_t capacity) {
    if (socket_ == kNoSocket) {
        return -1;
    }
    return recv(socket_, buffer, std::min(capacity, kReceiveLimit), 0);
}

void CTcpLink::Close() {
    if (socket_ != kNoSocket) {
        close(socket_);
        socket_ = kNoSocket;
    }
}

}  // namespace lanvane
