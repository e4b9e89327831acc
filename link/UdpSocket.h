#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"
#include "link/UdpDatagram.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace lanvane {

enum class UdpResult {
    Ok,
    BadAddress,      // the remote host is not dotted-decimal IPv4
    BindFailed,      // no socket, or the local port is taken (LastError tells which)
    SendFailed,      // the datagram did not go out whole
    NothingWaiting,  // no datagram to read
    ReceiveFailed,
};

// A UDP socket for the LAN datagrams: a remote host and port to send to, a local port to
// send from and receive on. Broadcast is allowed. A named local port is this socket's
// alone: replies to a port that two programs shared would reach only one of them, so the
// second is refused (busy). The receive buffer is large enough for the replies of a
// thousand printers to one search.
class CUdpSocket {
public:
    static constexpr std::string_view kLimitedBroadcast = "255.255.255.255";
    static constexpr int kReceiveBufferBytes = 4 << 20;

    CUdpSocket() = default;
    ~CUdpSocket();
    CUdpSocket(const CUdpSocket&) = delete;
    CUdpSocket& operator=(const CUdpSocket&) = delete;

    void SetRemoteHost(std::string host) { remoteHost_ = std::move(host); }
    void SetRemotePort(std::uint16_t port) { remotePort_ = port; }
    // Takes effect at the next Bind; 0 lets the system choose a free port.
    void SetLocalPort(std::uint16_t port) { localPort_ = port; }

    // Opens the socket on every local address at the local port (closing an earlier one).
    UdpResult Bind();
    bool IsBound() const { return socket_ != kNoSocket; }
    // The port the socket is bound to (the system's choice when the local port is 0).
    std::uint16_t BoundPort() const { return boundPort_; }

    // Sends the bytes as one datagram to the remote host and port, binding first when the
    // socket is not bound yet.
    UdpResult SendData(std::span<const std::uint8_t> bytes);
    // Takes one waiting datagram without blocking; the buffer is zeroed first.
    UdpResult GetData(UdpDatagram& datagram);
    // Waits at most `limit` for a datagram; false when none came or the socket is closed.
    bool WaitReadable(std::chrono::milliseconds limit) const;

    // Datagrams for this socket that the system dropped for want of buffer space since the
    // bind; 0 where the system does not tell.
    std::uint32_t DroppedDatagrams() const;
    // Why the last failed bind, send or receive failed.
    const LinkError& LastError() const { return lastError_; }

    // For an event loop that watches the socket; kNoSocket when not bound.
    NativeSocket Fd() const { return socket_; }
    // Harmless when nothing is open.
    void Close();

private:
    std::string remoteHost_{kLimitedBroadcast};
    std::uint16_t remotePort_ = 0;
    std::uint16_t localPort_ = 0;
    std::uint16_t boundPort_ = 0;
    NativeSocket socket_ = kNoSocket;
    LinkError lastError_;
};

}  // namespace lanvane
