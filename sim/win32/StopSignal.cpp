#include "sim/StopSignal.h"

#include <winsock2.h>

#include "link/win32/Winsock.h"
#include "platform/win32/Winsock.h"

namespace lanvane::sim {
namespace {

SOCKET LoopbackDatagramSocket() {
    const SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (socket != INVALID_SOCKET &&
        (!win32::SetBlocking(socket, false) ||
         bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)) {
        closesocket(socket);
        return INVALID_SOCKET;
    }
    return socket;
}

}  // namespace

// The wait takes sockets only, so the signal is a datagram that the write side sends to the
// read side's loopback port; nobody reads it, so it stays raised.
StopSignal::StopSignal() {
    if (!win32::StartWinsock()) {
        return;
    }
    const SOCKET reader = LoopbackDatagramSocket();
    const SOCKET writer = LoopbackDatagramSocket();
    sockaddr_in target{};
    int size = sizeof target;
    if (reader == INVALID_SOCKET || writer == INVALID_SOCKET ||
        getsockname(reader, reinterpret_cast<sockaddr*>(&target), &size) != 0 ||
        connect(writer, reinterpret_cast<const sockaddr*>(&target), size) != 0) {
        closesocket(reader);
        closesocket(writer);
        return;
    }
    read_ = reader;
    write_ = writer;
}

StopSignal::~StopSignal() {
    if (read_ != kNoSocket) {
        closesocket(read_);
        closesocket(write_);
    }
}

void StopSignal::Raise() {
    const char mark = 1;
    if (write_ != kNoSocket) {
        send(write_, &mark, 1, 0);
    }
}

}  // namespace lanvane::sim
