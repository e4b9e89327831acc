#pragma once

#include "link/SocketAddress.h"
#include "link/SocketCalls.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace lanvane::test {

// A socket on 127.0.0.1 at a port of the system's choosing that plays the printer (TCP) or
// another program holding a port (UDP), which may have asked to share it.
class LoopbackPeer {
public:
    LoopbackPeer(net::SocketKind kind, bool listening, bool sharing = false) : socket_(net::OpenSocket(kind)) {
        const int on = 1;
        const sockaddr_in address = net::SocketAddress(INADDR_LOOPBACK, 0);
        if (socket_ == kNoSocket ||
            (sharing &&
             setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on) != 0) ||
            bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            (listening && listen(socket_, 4) != 0)) {
            throw std::runtime_error("no loopback socket");
        }
        port_ = net::BoundPortOf(socket_);
    }
    ~LoopbackPeer() {
        Hangup();
        net::CloseSocket(socket_);
    }
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t Port() const { return port_; }

    // Takes the link's connection; false when there is none.
    bool Accept() {
        connection_ = accept(socket_, nullptr, nullptr);
        return connection_ != kNoSocket;
    }
    // What the link sent: waits for `count` bytes.
    std::vector<std::uint8_t> Take(std::size_t count) const {
        std::vector<std::uint8_t> bytes(count);
        std::size_t got = 0;
        LinkError error;
        for (long part = 1; got < count && part > 0;) {
            part = net::ReceiveStream(connection_, bytes.data() + got, count - got, std::chrono::seconds(5), "link",
                                      error);
            got += part > 0 ? static_cast<std::size_t>(part) : 0;
        }
        bytes.resize(got);
        return bytes;
    }
    bool Give(const std::vector<std::uint8_t>& bytes) const {
        LinkError error;
        return net::SendStream(connection_, bytes.data(), bytes.size(), "link", error) ==
               static_cast<long>(bytes.size());
    }
    // Ends the connection, as a printer that has gone away.
    void Hangup() {
        if (connection_ != kNoSocket) {
            net::CloseSocket(connection_);
            connection_ = kNoSocket;
        }
    }

private:
    NativeSocket socket_;
    NativeSocket connection_ = kNoSocket;
    std::uint16_t port_ = 0;
};

}  // namespace lanvane::test
