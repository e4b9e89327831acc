#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sim/SimulatedPrinter.h"
#include "sim/BssTcpServer.h"
#include "sim/posix/PtyPrinterServer.h"
#include "tests/support/posix/TempDir.h"

namespace lanvane::cli::test {

// A simulated printer served in this process: its channel on a pseudo-terminal, its
// survey port on 127.0.0.1 at a free port. Stops with the object.
class SimRig {
public:
    explicit SimRig(int layout = 2, sim::FaultPlan faults = {});

    bool Serving() const { return serving_; }
    const std::string& DevicePath() const { return channel_->DevicePath(); }
    std::uint16_t SurveyPort() const { return survey_->Port(); }
    sim::SimulatedPrinter& Printer() { return *printer_; }
    // True when the printer took a request of this kind.
    bool Took(sim::RequestKind kind) const;

private:
    std::unique_ptr<sim::SimulatedPrinter> printer_;
    std::unique_ptr<sim::PtyPrinterServer> channel_;
    std::unique_ptr<sim::BssTcpServer> survey_;
    bool serving_ = false;
};

using lanvane::test::TempDir;

}  // namespace lanvane::cli::test
