#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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
        socket_ = socket(AF_INET, (kind == PeerKind::Stream ? SOCK_STREAM : SOCK_DGRAM) | SOCK_CLOEXEC, 0);
        const int on = 1;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (socket_ < 0 || (sharing && setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) ||
            bind(socket_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            (listening && listen(socket_, 4) != 0)) {
            throw std::runtime_error("no loopback socket");
        }
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackPeer() {
        Hangup();
        close(socket_);
    }
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t Port() const { return port_; }

    // Takes the link's connection; false when there is none.
    bool Accept() {
        connection_ = accept(socket_, nullptr, nullptr);
        return connection_ >= 0;
    }
    // What the link sent: waits for `count` bytes.
    std::vector<std::uint8_t> Take(std::size_t count) const {
        std::vector<std::uint8_t> bytes(count);
        const ssize_t got = recv(connection_, bytes.data(), count, MSG_WAITALL);
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        return bytes;
    }
    bool Give(const std::vector<std::uint8_t>& bytes) const {
        return send(connection_, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size());
    }
    // Ends the connection, as a printer that has gone away.
    void Hangup() {
        if (connection_ >= 0) {
            close(connection_);
            connection_ = -1;
        }
    }

private:
    int socket_ = -1;
    int connection_ = -1;
    std::uint16_t port_ = 0;
};

}  // namespace lanvane::test
