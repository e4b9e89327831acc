#pragma once

#include <cstdint>
#include <vector>

#include "sim/LanDatagramPort.h"
#include "sim/LanPrinterResponder.h"
#include "sim/LoopServer.h"

namespace lanvane::sim {

// One printer's LAN port on a thread of its own: takes each datagram that reaches it
// (broadcast or not), hands it to the responder and sends the replies back to the sender's
// address. Several servers may listen on one port at once, as several printers on one
// network do.
class LanDatagramServer : public LoopServer<LanDatagramPort> {
public:
    // Port 0 binds a free port; Port() tells which after Start(), and further servers may
    // then share it. Replies go to the sender's port, or to `replyPort` when it is not 0.
    LanDatagramServer(LanPrinterResponder& responder, std::uint16_t port, std::uint16_t replyPort = 0)
        : LoopServer(std::vector<LanPrinterResponder*>{&responder}, port, replyPort) {}

    std::uint16_t Port() const { return Served().Port(); }
};

}  // namespace lanvane::sim
