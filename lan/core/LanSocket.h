#pragma once

#include "lan/core/LanMode.h"
#include "lan/core/LanNetworkOptions.h"
#include "link/UdpDatagram.h"
#include "link/UdpSocket.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace lanvane {

// The socket of one LAN window or command: it sends to the broadcast address at the
// printers' port of its mode, from the mode's local port, where the replies come back.
class LanSocket {
public:
    LanSocket(LanMode mode, const LanNetworkOptions& network);

    LanMode Mode() const { return mode_; }
    // Binds the local port of the mode.
    UdpResult Open();
    // Binds first when not open yet.
    UdpResult Broadcast(std::span<const std::uint8_t> datagram);
    // One waiting datagram, or nothing.
    std::optional<UdpDatagram> TakeWaiting();
    bool WaitReadable(std::chrono::milliseconds limit) const { return socket_.WaitReadable(limit); }

    NativeSocket Fd() const { return socket_.Fd(); }
    std::uint16_t BoundPort() const { return socket_.BoundPort(); }
    // Why the last failed open or broadcast failed.
    const LinkError& LastError() const { return socket_.LastError(); }
    // Replies the system dropped for want of buffer space.
    std::uint32_t DroppedDatagrams() const { return socket_.DroppedDatagrams(); }
    void Close() { socket_.Close(); }

private:
    LanMode mode_;
    CUdpSocket socket_;
};

}  // namespace lanvane
