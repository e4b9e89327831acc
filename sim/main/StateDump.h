#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "sim/PrinterState.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane::sim {

// The printer's state as JSON: maker name, identity, record fields by name (addresses
// dotted), received certificates and the kinds of the requests taken.
nlohmann::json StateToJson(const PrinterState& state, const std::vector<HandledRequest>& history);
// Written for the owner's eyes only (0600): it holds keys and passwords.
bool WriteStateDump(const std::string& path, const nlohmann::json& dump);

}  // namespace lanvane::sim
