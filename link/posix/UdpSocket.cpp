#include "link/UdpSocket.h"

#include "link/posix/PollWait.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace lanvane {
namespace {

bool EnableOption(int socket, int option) {
    const int on = 1;
    return setsockopt(socket, SOL_SOCKET, option, &on, sizeof on) == 0;
}

sockaddr_in AnyAddressAt(std::uint16_t port) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port);
    return local;
}

std::uint16_t PortOf(int socket) {
    sockaddr_in local{};
    socklen_t size = sizeof local;
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

// A port of the system's choice is taken without sharing, so that it cannot land on a
// port another sharing socket holds; sharing is switched on afterwards so that later
// sockets may join it. A named port is shared from the start.
bool BindShared(int socket, std::uint16_t port) {
    const sockaddr_in local = AnyAddressAt(port);
    if (port != 0 && !EnableOption(socket, SO_REUSEADDR)) {
        return false;
    }
    if (bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        return false;
    }
    return port != 0 || EnableOption(socket, SO_REUSEADDR);
}

}  // namespace

CUdpSocket::~CUdpSocket() {
    Close();
}

UdpResult CUdpSocket::Bind() {
    Close();
    const int created = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (created < 0) {
        return UdpResult::BindFailed;
    }
    if (!EnableOption(created, SO_BROADCAST) || !BindShared(created, localPort_)) {
        close(created);
        return UdpResult::BindFailed;
    }
    socket_ = created;
    boundPort_ = PortOf(created);
    return UdpResult::Ok;
}

UdpResult CUdpSocket::SendData(std::span<const std::uint8_t> bytes) {
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(remotePort_);
    if (inet_pton(AF_INET, remoteHost_.c_str(), &remote.sin_addr) != 1) {
        return UdpResult::BadAddress;
    }
    if (!IsBound()) {
        if (const UdpResult bound = Bind(); bound != UdpResult::Ok) {
            return bound;
        }
    }
    ssize_t sent = -1;
    do {
        sent = sendto(socket_, bytes.data(), bytes.size(), 0,
                      reinterpret_cast<const sockaddr*>(&remote), sizeof remote);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(bytes.size()) ? UdpResult::Ok : UdpResult::SendFailed;
}

UdpResult CUdpSocket::GetData(UdpDatagram& datagram) {
    datagram = UdpDatagram{};
    if (!IsBound()) {
        return UdpResult::ReceiveFailed;
    }
    sockaddr_in sender{};
    socklen_t size = sizeof sender;
    ssize_t received = -1;
    do {
        // MSG_TRUNC gives the datagram's real length, so a cut one is known as such.
        received = recvfrom(socket_, datagram.bytes.data(), datagram.bytes.size(), MSG_TRUNC,
                            reinterpret_cast<sockaddr*>(&sender), &size);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK ? UdpResult::NothingWaiting
                                                       : UdpResult::ReceiveFailed;
    }
    const auto whole = static_cast<std::size_t>(received);
    datagram.length = std::min(whole, UdpDatagram::kCapacity);
    datagram.truncated = whole > UdpDatagram::kCapacity;
    datagram.senderAddress = AddressText(sender.sin_addr);
    datagram.senderPort = ntohs(sender.sin_port);
    return UdpResult::Ok;
}

bool CUdpSocket::WaitReadable(std::chrono::milliseconds limit) const {
    return IsBound() && posix::WaitForReadable(socket_, limit) == posix::WaitResult::Ready;
}

void CUdpSocket::Close() {
    if (socket_ != kNoSocket) {
        close(socket_);
        socket_ = kNoSocket;
        boundPort_ = 0;
    }
}

}  // namespace lanvane
