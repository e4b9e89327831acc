#pragma once

#include <optional>

#include "tools/scenario/PrinterBench.h"
#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"

namespace lanvane::scenario {

// Whether the command starts printers, changes their faults or checks what they hold.
bool IsPrinterCommand(const CommandBody& body);

// Carries it out on the bench; a check that fails, or a printer that does not exist, gives
// the mismatch.
std::optional<Mismatch> RunPrinterCommand(const CommandBody& body, PrinterBench& bench);

}  // namespace lanvane::scenario
