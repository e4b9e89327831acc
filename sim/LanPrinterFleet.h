#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/LanFaultPlan.h"
#include "sim/LanPrinterResponder.h"
#include "sim/LanPrinterSettings.h"
#include "sim/SimulatedPrinter.h"
#include "sim/EventLoop.h"
#include "sim/LanDatagramPort.h"
#include "sim/SurveyPort.h"

namespace lanvane::sim {

// Where a fleet listens: the port of each kind (0: a free port, which other programs may
// then share) and where replies go (0: the sender's port).
struct LanFleetPorts {
    std::uint16_t ethernet = 0;
    std::uint16_t wlan = 0;
    std::uint16_t reply = 0;
};

// Many simulated printers on the LAN, all served by one thread: one socket per kind's port
// offers each datagram to every printer of the kind, and each wireless printer may have a
// TCP survey port at its own address.
class LanPrinterFleet {
public:
    LanPrinterFleet(int ethernetPrinters, int wlanPrinters, LanFaultPlan faults, LanFleetPorts ports);
    LanPrinterFleet(const std::vector<LanPrinterSettings>& printers, LanFaultPlan faults, LanFleetPorts ports);
    ~LanPrinterFleet();
    LanPrinterFleet(const LanPrinterFleet&) = delete;
    LanPrinterFleet& operator=(const LanPrinterFleet&) = delete;

    // Before Start(): each wireless printer answers surveys for `printer` at its own
    // address and `port`.
    void ServeSurveys(SimulatedPrinter& printer, std::uint16_t port);

    // False when a port could not be bound (Problem() names it); nothing is served then.
    bool Start();
    const std::string& Problem() const { return problem_; }
    void Stop();

    // The ports in use after Start().
    std::uint16_t EthernetPort() const { return ports_.ethernet; }
    std::uint16_t WlanPort() const { return ports_.wlan; }
    // In the order given: Ethernet printers first when built from counts.
    std::vector<LanPrinterResponder*> Printers() const;
    // The survey ports after Start(), in the order of the wireless printers.
    const std::vector<std::unique_ptr<SurveyPort>>& Surveys() const { return surveys_; }

private:
    std::vector<LanPrinterResponder*> PrintersOf(LanKind kind) const;
    bool OpenDatagramPort(LanKind kind, std::uint16_t& port);
    bool OpenSurveys();

    std::vector<std::unique_ptr<LanPrinterResponder>> printers_;
    LanFleetPorts ports_;
    SimulatedPrinter* surveyed_ = nullptr;
    std::uint16_t surveyPort_ = 0;
    EventLoop loop_;
    std::vector<std::unique_ptr<LanDatagramPort>> datagramPorts_;
    std::vector<std::unique_ptr<SurveyPort>> surveys_;
    std::string problem_;
};

}  // namespace lanvane::sim
