#include "lan/core/LanSocket.h"

namespace lanvane {

LanSocket::LanSocket(LanMode mode, const LanNetworkOptions& network)
    : mode_(mode), broadcastAddress_(network.broadcastAddress) {
    const LanEndpoint& endpoint = network.For(mode);
    socket_.SetRemoteHost(network.broadcastAddress);
    socket_.SetRemotePort(endpoint.printerPort);
    socket_.SetLocalPort(endpoint.localPort);
}

UdpResult LanSocket::Open() {
    return socket_.Bind();
}

UdpResult LanSocket::Broadcast(std::span<const std::uint8_t> datagram) {
    return socket_.SendData(datagram);
}

UdpResult LanSocket::BroadcastTo(const std::string& address, std::span<const std::uint8_t> datagram) {
    socket_.SetRemoteHost(address);
    const UdpResult sent = socket_.SendData(datagram);
    socket_.SetRemoteHost(broadcastAddress_);
    return sent;
}

std::optional<UdpDatagram> LanSocket::TakeWaiting() {
    UdpDatagram datagram;
    if (socket_.GetData(datagram) != UdpResult::Ok) {
        return std::nullopt;
    }
    return datagram;
}

}  // namespace lanvane
