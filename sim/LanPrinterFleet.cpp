#include "sim/LanPrinterFleet.h"

#include "sim/DottedAddress.h"

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
        printers_.push_back(std::make_unique<LanPrinterResponder>(settings, faults));
    }
}

LanPrinterFleet::~LanPrinterFleet() { Stop(); }

void LanPrinterFleet::ServeSurveys(SimulatedPrinter& printer, std::uint16_t port) {
    surveyed_ = &printer;
    surveyPort_ = port;
}

bool LanPrinterFleet::Start() {
    if (!OpenDatagramPort(LanKind::Ethernet, ports_.ethernet) || !OpenDatagramPort(LanKind::Wlan, ports_.wlan) ||
        !OpenSurveys() || !loop_.Start()) {
        Stop();
        return false;
    }
    return true;
}

void LanPrinterFleet::Stop() {
    loop_.Stop();
    surveys_.clear();
    datagramPorts_.clear();
}

std::vector<LanPrinterResponder*> LanPrinterFleet::Printers() const {
    std::vector<LanPrinterResponder*> all;
    for (const auto& printer : printers_) {
        all.push_back(printer.get());
    }
    return all;
}

std::vector<LanPrinterResponder*> LanPrinterFleet::PrintersOf(LanKind kind) const {
    std::vector<LanPrinterResponder*> ofKind;
    for (const auto& printer : printers_) {
        if (printer->Settings().kind == kind) {
            ofKind.push_back(printer.get());
        }
    }
    return ofKind;
}

// A kind without printers leaves its port alone.
bool LanPrinterFleet::OpenDatagramPort(LanKind kind, std::uint16_t& port) {
    std::vector<LanPrinterResponder*> printers = PrintersOf(kind);
    if (printers.empty()) {
        return true;
    }
    auto opened = std::make_unique<LanDatagramPort>(loop_, std::move(printers), port, ports_.reply);
    if (!opened->Open()) {
        problem_ = "UDP port " + std::to_string(port);
        return false;
    }
    port = opened->Port();
    datagramPorts_.push_back(std::move(opened));
    return true;
}

bool LanPrinterFleet::OpenSurveys() {
    if (surveyed_ == nullptr) {
        return true;
    }
    for (LanPrinterResponder* printer : PrintersOf(LanKind::Wlan)) {
        auto survey = std::make_unique<SurveyPort>(loop_, *surveyed_, DottedAddress(printer->Settings().ip),
                                                   surveyPort_);
        const bool opened = survey->Open();
        surveys_.push_back(std::move(survey));
        if (!opened) {
            problem_ = surveys_.back()->Address() + ':' + std::to_string(surveyPort_);
            return false;
        }
    }
    return true;
}

}  // namespace lanvane::sim
