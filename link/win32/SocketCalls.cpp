#include "link/SocketCalls.h"

#include "link/SocketAddress.h"
#include "link/win32/SystemError.h"
#include "link/win32/Winsock.h"
#include "platform/win32/Winsock.h"
#include "protocol/AddressText.h"

#include <algorithm>
#include <utility>

namespace lanvane::net {
namespace {

using win32::SocketWait;

LinkError SocketError(std::string operation, std::string target, int code) {
    return win32::SystemError(std::move(operation), std::move(target), static_cast<unsigned long>(code));
}

bool EnableOption(SOCKET socket, int option) {
    const BOOL on = TRUE;
    return setsockopt(socket, SOL_SOCKET, option, reinterpret_cast<const char*>(&on), sizeof on) == 0;
}

// Windows, unlike the datagram sockets elsewhere, reports an ICMP "port unreachable" for an
// earlier send as a failed receive; a search that reached a closed port must go on.
void IgnorePortUnreachable(SOCKET socket) {
    BOOL report = FALSE;
    DWORD returned = 0;
    WSAIoctl(socket, _WSAIOW(IOC_VENDOR, 12), &report, sizeof report, nullptr, 0, &returned, nullptr, nullptr);
}

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

NativeSocket OpenSocket(SocketKind kind) {
    win32::StartWinsock();
    const SOCKET created = kind == SocketKind::Stream ? socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)
                                                       : socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    return created == INVALID_SOCKET ? kNoSocket : created;
}

void CloseSocket(NativeSocket socket) {
    closesocket(socket);
}

LinkError LastSocketError(std::string operation, std::string target) {
    return SocketError(std::move(operation), std::move(target), WSAGetLastError());
}

LinkError Connect(NativeSocket socket, std::uint32_t peer, std::uint16_t port, std::chrono::milliseconds connectWait,
                  std::chrono::milliseconds, const std::string& target) {
    win32::SetBlocking(socket, false);
    const sockaddr_in address = SocketAddress(peer, port);
    int error = 0;
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = WSAGetLastError();
        if (error == WSAEWOULDBLOCK) {
            error = AwaitConnection(socket, connectWait);
        }
    }
    win32::SetBlocking(socket, true);
    return error == 0 ? LinkError{} : SocketError("connect to", target, error);
}

long SendStream(NativeSocket socket, const std::uint8_t* data, std::size_t length, const std::string& target,
                LinkError& error) {
    const int size = static_cast<int>(std::min<std::size_t>(length, 1 << 30));
    const int sent = send(socket, reinterpret_cast<const char*>(data), size, 0);
    if (sent == SOCKET_ERROR) {
        error = SocketError("send to", target, WSAGetLastError());
        return -1;
    }
    return sent;
}

long ReceiveStream(NativeSocket socket, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds timeout, const std::string& target, LinkError& error) {
    // Windows leaves a connection in doubt after a receive time-out of its own; waiting
    // first keeps the socket sound.
    const SocketWait waited = win32::WaitForSocket(socket, false, timeout);
    if (waited != SocketWait::Ready) {
        error = waited == SocketWait::TimedOut ? LinkError{LinkFailure::TimedOut, "receive from", target, "no data"}
                                               : SocketError("receive from", target, WSAGetLastError());
        return -1;
    }
    const int size = static_cast<int>(std::min<std::size_t>(capacity, 1 << 30));
    const int received = recv(socket, reinterpret_cast<char*>(buffer), size, 0);
    if (received == SOCKET_ERROR) {
        error = SocketError("receive from", target, WSAGetLastError());
        return -1;
    }
    return received;
}

bool PrepareDatagramSocket(NativeSocket socket, int receiveBufferBytes) {
    setsockopt(socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receiveBufferBytes),
               sizeof receiveBufferBytes);
    IgnorePortUnreachable(socket);
    // A port that two programs share would give the replies to only one of them.
    return EnableOption(socket, SO_BROADCAST) && EnableOption(socket, SO_EXCLUSIVEADDRUSE) &&
           win32::SetBlocking(socket, false);
}

long SendDatagram(NativeSocket socket, std::uint32_t remote, std::uint16_t port, std::span<const std::uint8_t> bytes) {
    const sockaddr_in address = SocketAddress(remote, port);
    return sendto(socket, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
                  reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

Received ReceiveDatagram(NativeSocket socket, UdpDatagram& datagram) {
    sockaddr_in sender{};
    int size = sizeof sender;
    const int received = recvfrom(socket, reinterpret_cast<char*>(datagram.bytes.data()),
                                  static_cast<int>(datagram.bytes.size()), 0, reinterpret_cast<sockaddr*>(&sender),
                                  &size);
    if (received == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error == WSAEWOULDBLOCK) {
            return Received::NothingWaiting;
        }
        // A longer datagram fills the buffer and is reported as cut.
        if (error != WSAEMSGSIZE) {
            return Received::Failed;
        }
        datagram.length = UdpDatagram::kCapacity;
        datagram.truncated = true;
    } else {
        datagram.length = static_cast<std::size_t>(received);
    }
    datagram.senderAddress = AddressText(ntohl(sender.sin_addr.s_addr));
    datagram.senderPort = ntohs(sender.sin_port);
    return Received::Datagram;
}

// Windows does not tell how many datagrams a socket lost.
std::uint32_t DroppedDatagrams(NativeSocket) {
    return 0;
}

bool WaitReadable(NativeSocket socket, std::chrono::milliseconds limit) {
    return win32::WaitForSocket(socket, false, limit) == SocketWait::Ready;
}

}  // namespace lanvane::net
