#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "sim/SimulatedPrinter.h"
#include "sim/posix/StopSignal.h"

namespace lanvane::sim {

// The printer's TCP survey port: answers each raw BSS_REQ frame with the raw BSS_RSP
// frame. One connection at a time; a silent connection is dropped after kIdleLimit.
// Start once per object.
class BssTcpServer {
public:
    static constexpr std::uint16_t kDefaultPort = 3318;
    static constexpr std::chrono::milliseconds kIdleLimit{10000};

    // Port 0 binds an ephemeral port; Port() tells which after Start().
    explicit BssTcpServer(SimulatedPrinter& printer, std::string address = "127.0.0.1",
                          std::uint16_t port = kDefaultPort);
    ~BssTcpServer();
    BssTcpServer(const BssTcpServer&) = delete;
    BssTcpServer& operator=(const BssTcpServer&) = delete;

    bool Start();
    void Stop();

    const std::string& Address() const { return address_; }
    std::uint16_t Port() const { return port_; }

private:
    bool Listen();
    void Serve();
    void ServeConnection(int connection);
    bool WaitReadable(int fd, std::chrono::milliseconds limit) const;

    SimulatedPrinter& printer_;
    std::string address_;
    std::uint16_t port_;
    int listener_ = -1;
    StopSignal stop_;
    std::thread thread_;
};

}  // namespace lanvane::sim
