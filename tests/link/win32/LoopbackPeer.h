#pragma once

#include <winsock2.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace lanvane::test {

enum class PeerKind { Stream, Datagram };

// A socket on 127.0.0.1 at a port of the system's choosing that plays the printer (TCP) or
// another program holding a port (UDP), which may have asked to share it.
class LoopbackPeer {
public:
    LoopbackPeer(PeerKind kind, bool listening, bool sharing = false) {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = socket(AF_INET, kind == PeerKind::Stream ? SOCK_STREAM : SOCK_DGRAM, 0);
        const BOOL on = TRUE;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        if (socket_ == INVALID_SOCKET ||
            (sharing &&
             setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on) != 0) ||
            bind(socket_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            (listening && listen(socket_, 4) != 0)) {
            throw std::runtime_error("no loopback socket");
        }
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackPeer() {
        Hangup();
        closesocket(socket_);
    }
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t Port() const { return port_; }

    // Takes the link's connection; false when there is none.
    bool Accept() {
        connection_ = accept(socket_, nullptr, nullptr);
        return connection_ != INVALID_SOCKET;
    }
    // What the link sent: waits for `count` bytes.
    std::vector<std::uint8_t> Take(std::size_t count) const {
        std::vector<std::uint8_t> bytes(count);
        const int got = recv(connection_, reinterpret_cast<char*>(bytes.data()), static_cast<int>(count), MSG_WAITALL);
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        return bytes;
    }
    bool Give(const std::vector<std::uint8_t>& bytes) const {
        const int size = static_cast<int>(bytes.size());
        return send(connection_, reinterpret_cast<const char*>(bytes.data()), size, 0) == size;
    }
    // Ends the connection, as a printer that has gone away.
    void Hangup() {
        if (connection_ != INVALID_SOCKET) {
            closesocket(connection_);
            connection_ = INVALID_SOCKET;
        }
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
    SOCKET connection_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
};

}  // namespace lanvane::test
