#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/LanPrinterSettings.h"

namespace lanvane::scenario {

// A simulated LAN printer's settings by their names ("ip", "subnet", "port", "dhcp", ...).
// Addresses dotted, the MAC as 00-1A-2B-E0-00-01, flags 0 or 1, numbers in decimal.
bool IsLanField(std::string_view name);
std::optional<std::string> LanFieldText(const sim::LanPrinterSettings& settings, std::string_view name);
// False when the name is unknown or the text does not fit the field.
bool SetLanField(sim::LanPrinterSettings& settings, std::string_view name, std::string_view text);
std::string LanFieldNames();

}  // namespace lanvane::scenario
