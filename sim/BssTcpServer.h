#pragma once

#include <cstdint>
#include <string>

#include "sim/SimulatedPrinter.h"
#include "sim/EventLoop.h"
#include "sim/SurveyPort.h"

namespace lanvane::sim {

// The printer's TCP survey port on a thread of its own: answers each raw BSS_REQ frame
// with the raw BSS_RSP frame. Start once per object.
class BssTcpServer {
public:
    static constexpr std::uint16_t kDefaultPort = 3318;

    // Port 0 binds an ephemeral port; Port() tells which after Start().
    explicit BssTcpServer(SimulatedPrinter& printer, std::string address = "127.0.0.1",
                          std::uint16_t port = kDefaultPort);
    ~BssTcpServer();
    BssTcpServer(const BssTcpServer&) = delete;
    BssTcpServer& operator=(const BssTcpServer&) = delete;

    bool Start();
    // Ends the connections and closes the port.
    void Stop();

    const std::string& Address() const { return port_.Address(); }
    std::uint16_t Port() const { return port_.Port(); }

private:
    EventLoop loop_;
    SurveyPort port_;
};

}  // namespace lanvane::sim
