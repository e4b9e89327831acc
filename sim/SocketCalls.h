#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/NativeHandle.h"

namespace lanvane::sim {

// The few socket calls the simulated LAN printers make, the same on every system; each
// backend maps them onto its own socket library. Every socket they open is non-blocking.

// What a socket is waited for and what fired, as bits.
inline constexpr unsigned kReadable = 1;
inline constexpr unsigned kWritable = 2;
inline constexpr unsigned kHungUp = 4;

struct SocketWait {
    NativeSocket socket = kNoSocket;
    unsigned wanted = 0;
    unsigned fired = 0;
};

// An IPv4 address (first octet in the high byte) and port.
struct Endpoint {
    std::uint32_t address = 0;
    std::uint16_t port = 0;
};

enum class Transfer { Done, WouldBlock, Closed, Failed };

// Waits until a socket fires or `timeoutMs` passed (-1: no limit); false when the wait
// itself failed. An interrupted wait returns true with nothing fired.
bool WaitForSockets(std::vector<SocketWait>& waits, int timeoutMs);

// A UDP socket on every local address at `port` (0: a free one, taken alone), shared with
// other sockets that name the port; `bound` tells the port. kNoSocket on failure.
NativeSocket OpenDatagramSocket(std::uint16_t port, std::uint16_t& bound);
// Takes one waiting datagram; -1 when none waits.
long ReceiveDatagram(NativeSocket socket, std::span<std::uint8_t> buffer, Endpoint& sender);
// WouldBlock when the system's buffers are full for now. `from` is the local address the
// datagram leaves from (0: the system's choice), so that printers sharing one socket each
// answer from their own address; a backend that cannot choose sends from its usual one.
Transfer SendDatagram(NativeSocket socket, std::span<const std::uint8_t> bytes, const Endpoint& target,
                      std::uint32_t from = 0);

// A TCP socket listening at a dotted-decimal address and port (0: a free one).
NativeSocket OpenListeningSocket(const std::string& address, std::uint16_t port, std::uint16_t& bound);
// kNoSocket when no connection waits.
NativeSocket AcceptConnection(NativeSocket listener);
// Done with `count` bytes moved; Closed when the peer hung up (receiving).
Transfer ReceiveStream(NativeSocket socket, std::span<std::uint8_t> buffer, std::size_t& count);
Transfer SendStream(NativeSocket socket, std::span<const std::uint8_t> bytes, std::size_t& count);

// Harmless with kNoSocket.
void CloseSocket(NativeSocket socket);

}  // namespace lanvane::sim
