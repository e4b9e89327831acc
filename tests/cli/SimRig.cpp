#include "SimRig.h"

#include <algorithm>

namespace lanvane::cli::test {

SimRig::SimRig(int layout, sim::FaultPlan faults)
    : printer_(std::make_unique<sim::SimulatedPrinter>(sim::DefaultPrinterState(layout), faults)),
      channel_(std::make_unique<sim::PtyPrinterServer>(*printer_)),
      survey_(std::make_unique<sim::BssTcpServer>(*printer_, "127.0.0.1", 0)) {
    serving_ = channel_->Start() && survey_->Start();
}

bool SimRig::Took(sim::RequestKind kind) const {
    const auto history = printer_->History();
    return std::any_of(history.begin(), history.end(),
                       [kind](const sim::HandledRequest& request) { return request.kind == kind; });
}

}  // namespace lanvane::cli::test
