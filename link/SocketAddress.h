#pragma once

#include <cstdint>

#include "link/SystemSockets.h"

namespace lanvane::net {

// The socket address of an IPv4 address (first octet in the high byte) and port, which every
// system's socket calls build alike.
inline sockaddr_in SocketAddress(std::uint32_t address, std::uint16_t port) {
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(address);
    at.sin_port = htons(port);
    return at;
}

}  // namespace lanvane::net
