#pragma once

#include <cstdint>
#include <string>

#include "sim/LoopServer.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SurveyPort.h"

namespace lanvane::sim {

// The printer's TCP survey port on a thread of its own: answers each raw BSS_REQ frame
// with the raw BSS_RSP frame. Stop ends the connections and closes the port.
class BssTcpServer : public LoopServer<SurveyPort> {
public:
    static constexpr std::uint16_t kDefaultPort = 3318;

    // Port 0 binds an ephemeral port; Port() tells which after Start().
    explicit BssTcpServer(SimulatedPrinter& printer, std::string address = "127.0.0.1",
                          std::uint16_t port = kDefaultPort)
        : LoopServer(printer, std::move(address), port) {}

    const std::string& Address() const { return Served().Address(); }
    std::uint16_t Port() const { return Served().Port(); }
};

}  // namespace lanvane::sim
