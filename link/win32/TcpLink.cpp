#include "link/TcpLink.h"

#include "link/win32/SystemError.h"
#include "link/win32/Winsock.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <string>

namespace lanvane {
namespace {

using win32::SocketWait;

// Returns the error a pending connect ended with, or WSAETIMEDOUT when the wait ran out.
int AwaitConnection(SOCKET socket, std::chrono::milliseconds wait) {
    switch (win32::WaitForSocket(socket, true, wait)) {
        case SocketWait::TimedOut: return WSAETIMEDOUT;
        case SocketWait::Ready: return 0;
        case SocketWait::Failed: break;
    }
    int error = 0;
    int size = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0) {
        return WSAGetLastError();
    }
    return error != 0 ? error : WSAECONNREFUSED;
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
    win32::StartWinsock();
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port_);
    if (inet_pton(AF_INET, address_.c_str(), &peer.sin_addr) != 1) {
        lastError_ = LinkError{LinkFailure::BadAddress, "connect to", Target(), {}};
        return false;
    }
    socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket_ == INVALID_SOCKET) {
        lastError_ = win32::SystemError("connect to", Target(), static_cast<unsigned long>(WSAGetLastError()));
        socket_ = kNoSocket;
        return false;
    }
    win32::SetBlocking(socket_, false);
    int error = 0;
    if (connect(socket_, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        error = WSAGetLastError();
        if (error == WSAEWOULDBLOCK) {
            error = AwaitConnection(socket_, timings_.connectWait);
        }
    }
    win32::SetBlocking(socket_, true);
    if (error != 0) {
        lastError_ = win32::SystemError("connect to", Target(), static_cast<unsigned long>(error));
        Close();
    }
    return error == 0;
}

long CTcpLink::Send(const std::uint8_t* data, std::size_t length) {
    if (socket_ == kNoSocket) {
        lastError_ = LinkError{LinkFailure::IoError, "send to", Target(), "not connected"};
        return -1;
    }
    const int size = static_cast<int>(std::min<std::size_t>(length, 1 << 30));
    const int sent = send(socket_, reinterpret_cast<const char*>(data), size, 0);
    if (sent == SOCKET_ERROR) {
        lastError_ = win32::SystemError("send to", Target(), static_cast<unsigned long>(WSAGetLastError()));
        return -1;
    }
    return sent;
}

long CTcpLink::Receive(std::uint8_t* buffer, std::size_t capacity) {
    if (socket_ == kNoSocket) {
        lastError_ = LinkError{LinkFailure::IoError, "receive from", Target(), "not connected"};
        return -1;
    }
    // Windows leaves a connection in doubt after a receive time-out of its own; waiting
    // first keeps the socket sound.
    const SocketWait waited = win32::WaitForSocket(socket_, false, timings_.receiveTimeout);
    if (waited != SocketWait::Ready) {
        lastError_ = waited == SocketWait::TimedOut
                         ? LinkError{LinkFailure::TimedOut, "receive from", Target(), "no data"}
                         : win32::SystemError("receive from", Target(), static_cast<unsigned long>(WSAGetLastError()));
        return -1;
    }
    const int size = static_cast<int>(std::min(capacity, kReceiveLimit));
    const int received = recv(socket_, reinterpret_cast<char*>(buffer), size, 0);
    if (received == 0) {
        lastError_ = LinkError{LinkFailure::IoError, "receive from", Target(), "the printer closed the connection"};
    } else if (received == SOCKET_ERROR) {
        lastError_ = win32::SystemError("receive from", Target(), static_cast<unsigned long>(WSAGetLastError()));
        return -1;
    }
    return received;
}

void CTcpLink::Close() {
    if (socket_ != kNoSocket) {
        closesocket(socket_);
        socket_ = kNoSocket;
    }
}

}  // namespace lanvane
