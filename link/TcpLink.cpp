#include "link/TcpLink.h"

#include "link/SocketCalls.h"
#include "protocol/AddressText.h"

#include <algorithm>
#include <string>

namespace lanvane {

CTcpLink::~CTcpLink() {
    Close();
}

std::string CTcpLink::Target() const {
    return address_ + ":" + std::to_string(port_);
}

bool CTcpLink::Connect() {
    Close();
    lastError_ = {};
    const std::optional<std::uint32_t> peer = ParseAddressText(address_);
    if (!peer) {
        lastError_ = LinkError{LinkFailure::BadAddress, "connect to", Target(), {}};
        return false;
    }
    socket_ = net::OpenSocket(net::SocketKind::Stream);
    if (socket_ == kNoSocket) {
        lastError_ = net::LastSocketError("connect to", Target());
        return false;
    }
    lastError_ = net::Connect(socket_, *peer, port_, timings_.connectWait, timings_.receiveTimeout, Target());
    if (lastError_.Failed()) {
        Close();
        return false;
    }
    return true;
}

long CTcpLink::Send(std::span<const std::uint8_t> bytes) {
    if (socket_ == kNoSocket) {
        lastError_ = LinkError{LinkFailure::IoError, "send to", Target(), "not connected"};
        return -1;
    }
    return net::SendStream(socket_, bytes.data(), bytes.size(), Target(), lastError_);
}

long CTcpLink::Receive(std::span<std::uint8_t> buffer) {
    if (socket_ == kNoSocket) {
        lastError_ = LinkError{LinkFailure::IoError, "receive from", Target(), "not connected"};
        return -1;
    }
    const long received = net::ReceiveStream(socket_, buffer.data(), std::min(buffer.size(), kReceiveLimit),
                                             timings_.receiveTimeout, Target(), lastError_);
    if (received == 0) {
        lastError_ = LinkError{LinkFailure::IoError, "receive from", Target(), "the printer closed the connection"};
    }
    return received;
}

void CTcpLink::Close() {
    if (socket_ != kNoSocket) {
        net::CloseSocket(socket_);
        socket_ = kNoSocket;
    }
}

}  // namespace lanvane
