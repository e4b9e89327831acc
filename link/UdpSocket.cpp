#include "link/UdpSocket.h"

#include "link/SocketCalls.h"
#include "protocol/AddressText.h"

namespace lanvane {
namespace {

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
    const NativeSocket created = net::OpenSocket(net::SocketKind::Datagram);
    if (created == kNoSocket) {
        lastError_ = net::LastSocketError("bind", PortText(localPort_));
        return UdpResult::BindFailed;
    }
    if (!net::PrepareDatagramSocket(created, kReceiveBufferBytes) || !net::BindAnyAddress(created, localPort_)) {
        lastError_ = net::LastSocketError("bind", PortText(localPort_));
        net::CloseSocket(created);
        return UdpResult::BindFailed;
    }
    socket_ = created;
    boundPort_ = net::BoundPortOf(created);
    return UdpResult::Ok;
}

UdpResult CUdpSocket::SendData(std::span<const std::uint8_t> bytes) {
    const std::optional<std::uint32_t> remote = ParseAddressText(remoteHost_);
    if (!remote) {
        lastError_ = LinkError{LinkFailure::BadAddress, "send to", remoteHost_, {}};
        return UdpResult::BadAddress;
    }
    if (!IsBound()) {
        if (const UdpResult bound = Bind(); bound != UdpResult::Ok) {
            return bound;
        }
    }
    const long sent = net::SendDatagram(socket_, *remote, remotePort_, bytes);
    if (sent == static_cast<long>(bytes.size())) {
        return UdpResult::Ok;
    }
    const std::string target = remoteHost_ + ":" + std::to_string(remotePort_);
    lastError_ = sent < 0 ? net::LastSocketError("send to", target)
                          : LinkError{LinkFailure::IoError, "send to", target, "the datagram went out cut"};
    return UdpResult::SendFailed;
}

UdpResult CUdpSocket::GetData(UdpDatagram& datagram) {
    datagram = UdpDatagram{};
    if (!IsBound()) {
        return UdpResult::ReceiveFailed;
    }
    switch (net::ReceiveDatagram(socket_, datagram)) {
        case net::Received::Datagram: return UdpResult::Ok;
        case net::Received::NothingWaiting: return UdpResult::NothingWaiting;
        case net::Received::Failed: break;
    }
    lastError_ = net::LastSocketError("receive on", PortText(boundPort_));
    return UdpResult::ReceiveFailed;
}

std::uint32_t CUdpSocket::DroppedDatagrams() const {
    return IsBound() ? net::DroppedDatagrams(socket_) : 0;
}

bool CUdpSocket::WaitReadable(std::chrono::milliseconds limit) const {
    return IsBound() && net::WaitReadable(socket_, limit);
}

void CUdpSocket::Close() {
    if (socket_ != kNoSocket) {
        net::CloseSocket(socket_);
        socket_ = kNoSocket;
        boundPort_ = 0;
    }
}

}  // namespace lanvane
