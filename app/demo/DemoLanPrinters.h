#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lan/core/LanNetworkOptions.h"
#include "sim/SimulatedPrinter.h"
#include "sim/BssTcpServer.h"
#include "sim/LanPrinterFleet.h"

namespace lanvane {

// The demo's printers on the LAN road: Ethernet and wireless printers that answer the
// discovery and set datagrams on the loopback broadcast, with varied addresses, firmware
// versions and feature codes, and the TCP survey port of each wireless printer that offers
// BSS information, each with a list of its own.
class DemoLanPrinters {
public:
    DemoLanPrinters();
    ~DemoLanPrinters();
    DemoLanPrinters(const DemoLanPrinters&) = delete;
    DemoLanPrinters& operator=(const DemoLanPrinters&) = delete;

    // Starts the printers. False with the reason when they cannot answer datagrams; a survey
    // port that cannot be bound is only reported in warnings (BSS Info then fails there).
    bool Start(std::string& problem, std::vector<std::string>& warnings);
    void Stop();

    // Where the program sends its datagrams to reach these printers: the loopback broadcast
    // (or the given address), the printers' ports, free local ports.
    LanNetworkOptions Network(const std::string& broadcastAddress) const;

private:
    sim::LanPrinterFleet fleet_;
    std::vector<std::unique_ptr<sim::SimulatedPrinter>> surveyed_;
    std::vector<std::unique_ptr<sim::BssTcpServer>> surveyPorts_;
};

}  // namespace lanvane
