#include "sim/posix/LanPrinterFleet.h"

namespace lanvane::sim {
namespace {

std::vector<LanPrinterSettings> Numbered(int ethernetPrinters, int wlanPrinters) {
    std::vector<LanPrinterSettings> printers;
    for (int index = 1; index <= ethernetPrinters; ++index) {
        printers.push_back(DefaultLanPrinter(LanKind::Ethernet, index));
    }
    for (int index = 1; index <= wlanPrinters; ++index) {
        printers.push_back(DefaultLanPrinter(LanKind::Wlan, index));
    }
    return printers;
}

}  // namespace

LanPrinterFleet::LanPrinterFleet(int ethernetPrinters, int wlanPrinters, LanFaultPlan faults, LanFleetPorts ports)
    : LanPrinterFleet(Numbered(ethernetPrinters, wlanPrinters), faults, ports) {}

LanPrinterFleet::LanPrinterFleet(const std::vector<LanPrinterSettings>& printers, LanFaultPlan faults,
                                 LanFleetPorts ports)
    : ports_(ports) {
    for (const LanPrinterSettings& settings : printers) {
        members_.push_back(Member{std::make_unique<LanPrinterResponder>(settings, faults), nullptr});
    }
}

LanPrinterFleet::~LanPrinterFleet() { Stop(); }

bool LanPrinterFleet::Start() {
    for (Member& member : members_) {
        std::uint16_t& port = PortOf(member.responder->Settings().kind);
        member.server = std::make_unique<LanDatagramServer>(*member.responder, port, ports_.reply);
        if (!member.server->Start()) {
            Stop();
            return false;
        }
        port = member.server->Port();
    }
    return true;
}

void LanPrinterFleet::Stop() {
    for (Member& member : members_) {
        member.server.reset();
    }
}

std::vector<LanPrinterResponder*> LanPrinterFleet::Printers() const {
    std::vector<LanPrinterResponder*> printers;
    for (const Member& member : members_) {
        printers.push_back(member.responder.get());
    }
    return printers;
}

}  // namespace lanvane::sim
