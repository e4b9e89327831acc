#pragma once

#include <cstdint>
#include <memory>

#include "sim/LanFaultPlan.h"
#include "sim/LanPrinterResponder.h"
#include "sim/LanPrinterSettings.h"
#include "sim/SimulatedPrinter.h"
#include "sim/BssTcpServer.h"
#include "sim/LanDatagramServer.h"

namespace lanvane::scenario {

// A simulated printer on the LAN: answers the datagrams of its kind on its kind's port; a
// wireless one also answers BSS surveys over TCP at its own (loopback) address.
class BenchLanPrinter {
public:
    BenchLanPrinter(const sim::LanPrinterSettings& settings, const sim::LanFaultPlan& faults, bool noNetworks);

    // Listens on the datagram port and, when wireless, the survey port (0: a free port,
    // then shared by the printers after it). False when a port cannot be had.
    bool Start(std::uint16_t datagramPort, std::uint16_t surveyPort);
    std::uint16_t DatagramPort() const { return server_ ? server_->Port() : 0; }
    std::uint16_t SurveyPort() const { return surveyServer_ ? surveyServer_->Port() : 0; }

    sim::LanPrinterResponder& Responder() { return responder_; }
    bool IsWireless() const { return responder_.Settings().kind == sim::LanKind::Wlan; }

private:
    sim::LanPrinterResponder responder_;
    std::unique_ptr<sim::LanDatagramServer> server_;
    std::unique_ptr<sim::SimulatedPrinter> surveySide_;
    std::unique_ptr<sim::BssTcpServer> surveyServer_;
};

}  // namespace lanvane::scenario
