#pragma once

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "link/SocketAddress.h"
#include "sim/Bytes.h"

namespace lanvane::sim::test {

// Reads until `wanted` bytes came, the peer hung up or `limit` passed.
inline Bytes ReadFor(int fd, std::size_t wanted, std::chrono::milliseconds limit) {
    Bytes received;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (received.size() < wanted) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waited{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&waited, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        std::uint8_t buffer[4096];
        const ssize_t count = read(fd, buffer, sizeof(buffer));
        if (count <= 0) {
            break;
        }
        received.insert(received.end(), buffer, buffer + count);
    }
    return received;
}

inline bool WriteWhole(int fd, const Bytes& bytes) {
    return write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

// A TCP connection to `address` (first octet in the high byte) at `port`; -1 when refused.
inline int ConnectTo(std::uint32_t address, std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in peer = net::SocketAddress(address, port);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace lanvane::sim::test
