#pragma once

#include <ostream>

#include <nlohmann/json.hpp>

#include "sim/SimulatedPrinter.h"
#include "sim/main/SimOptions.h"
#include "sim/LanPrinterFleet.h"

namespace lanvane::sim {

// The simulated printers on the LAN, with a TCP survey port at each wireless printer's
// address so that its BSS list can be read there.
class LanSide {
public:
    LanSide(SimulatedPrinter& printer, const SimOptions& options);

    // Starts the printers; false with a reason on `errors` when a port cannot be had.
    bool Start(std::ostream& errors);
    void Stop();
    // "lan-ethernet: PORT", "lan-wlan: PORT" and one "lan-bss: ADDRESS:PORT" per survey port.
    void Describe(std::ostream& out) const;
    // Each printer's settings as they stand now, and what it took and sent.
    nlohmann::json ToJson() const;

private:
    const SimOptions& options_;
    LanPrinterFleet fleet_;
};

}  // namespace lanvane::sim
