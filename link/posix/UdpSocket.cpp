#include "link/UdpSocket.h"

#include "link/posix/PollWait.h"
#include "link/posix/SystemError.h"

#include <arpa/inet.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace lanvane {
namespace {

bool EnableOption(int socket, int option) {
    const int on = 1;
    return setsockopt(socket, SOL_SOCKET, option, &on, sizeof on) == 0;
}

// Forcing the size passes the system's limit where the program may; elsewhere the size is
// the most the limit allows.
void EnlargeReceiveBuffer(int socket) {
    const int size = CUdpSocket::kReceiveBufferBytes;
    if (setsockopt(socket, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0) {
        setsockopt(socket, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    }
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
    const int created = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (created < 0) {
        lastError_ = posix::SystemError("bind", PortText(localPort_), errno);
        return UdpResult::BindFailed;
    }
    EnlargeReceiveBuffer(created);
    const sockaddr_in local = AnyAddressAt(localPort_);
    if (!EnableOption(created, SO_BROADCAST) ||
        bind(created, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        lastError_ = posix::SystemError("bind", PortText(localPort_), errno);
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
        lastError_ = LinkError{LinkFailure::BadAddress, "send to", remoteHost_, {}};
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
    if (sent == static_cast<ssize_t>(bytes.size())) {
        return UdpResult::Ok;
    }
    const std::string target = remoteHost_ + ":" + std::to_string(remotePort_);
    lastError_ = sent < 0 ? posix::SystemError("send to", target, errno)
                          : LinkError{LinkFailure::IoError, "send to", target, "the datagram went out cut"};
    return UdpResult::SendFailed;
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
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return UdpResult::NothingWaiting;
        }
        lastError_ = posix::SystemError("receive on", PortText(boundPort_), errno);
        return UdpResult::ReceiveFailed;
    }
    const auto whole = static_cast<std::size_t>(received);
    datagram.length = std::min(whole, UdpDatagram::kCapacity);
    datagram.truncated = whole > UdpDatagram::kCapacity;
    datagram.senderAddress = AddressText(sender.sin_addr);
    datagram.senderPort = ntohs(sender.sin_port);
    return UdpResult::Ok;
}

// The socket's own drop counter, read at any time (the counter that comes with received
// datagrams would miss drops after the last one).
std::uint32_t CUdpSocket::DroppedDatagrams() const {
    std::array<std::uint32_t, SK_MEMINFO_VARS> meminfo{};
    socklen_t size = sizeof meminfo;
    if (!IsBound() || getsockopt(socket_, SOL_SOCKET, SO_MEMINFO, meminfo.data(), &size) != 0 ||
        size <= SK_MEMINFO_DROPS * sizeof(std::uint32_t)) {
        return 0;
    }
    return meminfo[SK_MEMINFO_DROPS];
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
