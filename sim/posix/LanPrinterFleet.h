#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sim/LanFaultPlan.h"
#include "sim/LanPrinterResponder.h"
#include "sim/LanPrinterSettings.h"
#include "sim/posix/LanDatagramServer.h"

namespace lanvane::sim {

// Where a fleet listens: the port of each kind (0: the first printer of the kind takes a
// free port and the others share it) and where replies go (0: the sender's port).
struct LanFleetPorts {
    std::uint16_t ethernet = 0;
    std::uint16_t wlan = 0;
    std::uint16_t reply = 0;
};

// Several simulated printers on the LAN, each with its own socket on its kind's port.
class LanPrinterFleet {
public:
    LanPrinterFleet(int ethernetPrinters, int wlanPrinters, LanFaultPlan faults, LanFleetPorts ports);
    LanPrinterFleet(const std::vector<LanPrinterSettings>& printers, LanFaultPlan faults, LanFleetPorts ports);
    ~LanPrinterFleet();
    LanPrinterFleet(const LanPrinterFleet&) = delete;
    LanPrinterFleet& operator=(const LanPrinterFleet&) = delete;

    // False when a port could not be bound; the printers started so far are stopped again.
    bool Start();
    void Stop();

    // The ports in use after Start().
    std::uint16_t EthernetPort() const { return ports_.ethernet; }
    std::uint16_t WlanPort() const { return ports_.wlan; }
    // In the order given: Ethernet printers first when built from counts.
    std::vector<LanPrinterResponder*> Printers() const;

private:
    struct Member {
        std::unique_ptr<LanPrinterResponder> responder;
        std::unique_ptr<LanDatagramServer> server;
    };

    std::uint16_t& PortOf(LanKind kind) { return kind == LanKind::Wlan ? ports_.wlan : ports_.ethernet; }

    std::vector<Member> members_;
    LanFleetPorts ports_;
};

}  // namespace lanvane::sim
