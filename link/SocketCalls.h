#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"
#include "link/UdpDatagram.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// What the TCP link and the UDP socket need of the system's sockets. Each backend
// implements these over its own calls; the links' logic is portable.
namespace lanvane::net {

enum class SocketKind { Stream, Datagram };

// A new IPv4 socket.
// kNoSocket when the system refused (LastSocketError tells why).
NativeSocket OpenSocket(SocketKind kind);
void CloseSocket(NativeSocket socket);
// The failure the system reported for the last socket call on this thread.
LinkError LastSocketError(std::string operation, std::string target);

// Addresses are IPv4 with the first octet in the high byte.
// Connects within `connectWait`; a receive on the socket then waits at most `receiveTimeout`.
LinkError Connect(NativeSocket socket, std::uint32_t peer, std::uint16_t port, std::chrono::milliseconds connectWait,
                  std::chrono::milliseconds receiveTimeout, const std::string& target);
// Both return the bytes moved, -1 with `error` set on failure. A receive that waited out
// its time-out fails as TimedOut; 0 means the peer closed the connection.
long SendStream(NativeSocket socket, const std::uint8_t* data, std::size_t length, const std::string& target,
                LinkError& error);
long ReceiveStream(NativeSocket socket, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds timeout, const std::string& target, LinkError& error);

// Readies a datagram socket for the LAN search: broadcast allowed, a receive buffer of
// `receiveBufferBytes` where the system allows, the local port its own, no call that blocks.
bool PrepareDatagramSocket(NativeSocket socket, int receiveBufferBytes);
// Binds to every local address at `port` (0: the system chooses).
bool BindAnyAddress(NativeSocket socket, std::uint16_t port);
// The port the socket is bound to; 0 when the system does not tell.
std::uint16_t BoundPortOf(NativeSocket socket);
// The count of bytes sent, -1 on failure.
long SendDatagram(NativeSocket socket, std::uint32_t remote, std::uint16_t port, std::span<const std::uint8_t> bytes);

enum class Received { Datagram, NothingWaiting, Failed };
// Takes one waiting datagram into `datagram`, marked truncated when it did not fit.
Received ReceiveDatagram(NativeSocket socket, UdpDatagram& datagram);
// Datagrams for the socket that the system dropped for want of buffer space; 0 where it does not tell.
std::uint32_t DroppedDatagrams(NativeSocket socket);

// Waits at most `limit` for data to read.
bool WaitReadable(NativeSocket socket, std::chrono::milliseconds limit);

}  // namespace lanvane::net
