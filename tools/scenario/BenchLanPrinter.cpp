#include "tools/scenario/BenchLanPrinter.h"

#include "tools/scenario/FieldTexts.h"

namespace lanvane::scenario {
namespace {

sim::PrinterState SurveyState(bool noNetworks) {
    sim::PrinterState state = sim::DefaultPrinterState();
    if (noNetworks) {
        state.networks.clear();
    }
    return state;
}

}  // namespace

BenchLanPrinter::BenchLanPrinter(const sim::LanPrinterSettings& settings, const sim::LanFaultPlan& faults,
                                 bool noNetworks)
    : responder_(settings, faults) {
    if (settings.kind == sim::LanKind::Wlan) {
        surveySide_ = std::make_unique<sim::SimulatedPrinter>(SurveyState(noNetworks));
    }
}

bool BenchLanPrinter::Start(std::uint16_t datagramPort, std::uint16_t surveyPort) {
    server_ = std::make_unique<sim::LanDatagramServer>(responder_, datagramPort);
    if (!server_->Start()) {
        return false;
    }
    if (surveySide_ == nullptr) {
        return true;
    }
    surveyServer_ = std::make_unique<sim::BssTcpServer>(*surveySide_, AddressText(responder_.Settings().ip),
                                                        surveyPort);
    return surveyServer_->Start();
}

}  // namespace lanvane::scenario
