#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/NativeHandle.h"
#include "sim/LanPrinterResponder.h"
#include "sim/EventLoop.h"
#include "sim/SocketCalls.h"

namespace lanvane::sim {

// One UDP port shared by every simulated printer that listens there, as the printers of one
// kind on one network share their port: each datagram that arrives (broadcast or not) is
// offered to every printer, and each reply goes back to the sender from this socket, after
// its delay, without holding up the others.
class LanDatagramPort {
public:
    // Port 0 binds a free port; Port() tells which after Open(), and other sockets may then
    // share it. Replies go to the sender's port, or to `replyPort` when it is not 0.
    LanDatagramPort(EventLoop& loop, std::vector<LanPrinterResponder*> printers, std::uint16_t port,
                    std::uint16_t replyPort = 0);
    ~LanDatagramPort();
    LanDatagramPort(const LanDatagramPort&) = delete;
    LanDatagramPort& operator=(const LanDatagramPort&) = delete;

    // Binds the socket and watches it on the loop; false when the port cannot be had.
    bool Open();
    // Only while the loop is not running.
    void Close();
    std::uint16_t Port() const { return port_; }

private:
    void Drain();
    void Answer(std::span<const std::uint8_t> datagram, Endpoint sender);
    void Send(LanPrinterResponder& printer, const Bytes& bytes, const Endpoint& target, int attemptsLeft);

    EventLoop& loop_;
    std::vector<LanPrinterResponder*> printers_;
    std::uint16_t port_;
    std::uint16_t replyPort_;
    NativeSocket socket_ = kNoSocket;
};

}  // namespace lanvane::sim
