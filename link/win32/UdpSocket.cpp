#include "link/UdpSocket.h"

#include "link/win32/SystemError.h"
#include "link/win32/Winsock.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>

namespace lanvane {
namespace {

LinkError SocketError(const char* operation, std::string target) {
    return win32::SystemError(operation, std::move(target), static_cast<unsigned long>(WSAGetLastError()));
}

bool EnableOption(SOCKET socket, int option) {
    const BOOL on = TRUE;
    return setsockopt(socket, SOL_SOCKET, option, reinterpret_cast<const char*>(&on), sizeof on) == 0;
}

void EnlargeReceiveBuffer(SOCKET socket) {
    const int size = CUdpSocket::kReceiveBufferBytes;
    setsockopt(socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size), sizeof size);
}

// Windows, unlike the datagram sockets elsewhere, reports an ICMP "port unreachable" for an
// earlier send as a failed receive; a search that reached a closed port must go on.
void IgnorePortUnreachable(SOCKET socket) {
    BOOL report = FALSE;
    DWORD returned = 0;
    WSAIoctl(socket, _WSAIOW(IOC_VENDOR, 12), &report, sizeof report, nullptr, 0, &returned, nullptr, nullptr);
}

std::uint16_t PortOf(SOCKET socket) {
    sockaddr_in local{};
    int size = sizeof local;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

std::string AddressText(const in_addr& address) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

std::string PortText(std::uint16_t port) {
    return "UDP port " + std::to_string(port);
}

}  // namespace

CUdpSocket::~CUdpSocket() {
    Close();
}

UdpResult CUdpSocket::Bind() {
    Close();
    lastError_ = {};
    win32::StartWinsock();
    const SOCKET created = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (created == INVALID_SOCKET) {
        lastError_ = SocketError("bind", PortText(localPort_));
        return UdpResult::BindFailed;
    }
    EnlargeReceiveBuffer(created);
    IgnorePortUnreachable(created);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(localPort_);
    // A port that two programs share would give the replies to only one of them.
    if (!EnableOption(created, SO_BROADCAST) || !EnableOption(created, SO_EXCLUSIVEADDRUSE) ||
        !win32::SetBlocking(created, false) ||
        bind(created, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        lastError_ = SocketError("bind", PortText(localPort_));
        closesocket(created);
        return UdpResult::BindFailed;
    }
    socket_ = created;
    boundPort_ = PortOf(created);
    return UdpResult::Ok;
}

UdpResult CUdpSocket::SendData(std::span<const std::uint8_t> bytes) {
    win32::StartWinsock();
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(remotePort_);
    if (inet_pton(AF_INET, remoteHost_.c_str(), &remote.sin_addr) != 1) {
        lastError_ = LinkError{LinkFailure::BadAddress, "send to", remoteHost_, {}};
        return UdpResult::BadAddress;
    }
    if (!IsBound()) {
        if (const UdpResult bound = Bind(); bound != UdpResult::Ok) {
            return bound;
        }
    }
    const int sent = sendto(socket_, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
                            reinterpret_cast<const sockaddr*>(&remote), sizeof remote);
    if (sent == static_cast<int>(bytes.size())) {
        return UdpResult::Ok;
    }
    const std::string target = remoteHost_ + ":" + std::to_string(remotePort_);
    lastError_ = sent == SOCKET_ERROR ? SocketError("send to", target)
                                      : LinkError{LinkFailure::IoError, "send to", target, "the datagram went out cut"};
    return UdpResult::SendFailed;
}

UdpResult CUdpSocket::GetData(UdpDatagram& datagram) {
    datagram = UdpDatagram{};
    if (!IsBound()) {
        return UdpResult::ReceiveFailed;
    }
    sockaddr_in sender{};
    int size = sizeof sender;
    const int received = recvfrom(socket_, reinterpret_cast<char*>(datagram.bytes.data()),
                                  static_cast<int>(datagram.bytes.size()), 0, reinterpret_cast<sockaddr*>(&sender),
                                  &size);
    if (received == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error == WSAEWOULDBLOCK) {
            return UdpResult::NothingWaiting;
        }
        // A longer datagram fills the buffer and is reported as cut.
        if (error != WSAEMSGSIZE) {
            lastError_ = win32::SystemError("receive on", PortText(boundPort_), static_cast<unsigned long>(error));
            return UdpResult::ReceiveFailed;
        }
        datagram.length = UdpDatagram::kCapacity;
        datagram.truncated = true;
    } else {
        datagram.length = static_cast<std::size_t>(received);
    }
    datagram.senderAddress = AddressText(sender.sin_addr);
    datagram.senderPort = ntohs(sender.sin_port);
    return UdpResult::Ok;
}

// Windows does not tell how many datagrams a socket lost.
std::uint32_t CUdpSocket::DroppedDatagrams() const {
    return 0;
}

bool CUdpSocket::WaitReadable(std::chrono::milliseconds limit) const {
    return IsBound() && win32::WaitForSocket(socket_, false, limit) == win32::SocketWait::Ready;
}

void CUdpSocket::Close() {
    if (socket_ != kNoSocket) {
        closesocket(socket_);
        socket_ = kNoSocket;
        boundPort_ = 0;
    }
}

}  // namespace lanvane
