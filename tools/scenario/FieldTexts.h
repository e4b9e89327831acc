#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lanvane::scenario {

// The text forms of the simulated printers' fields, in both directions.
std::string DottedAddress(std::uint32_t address);
// Four decimal parts of 0..255; the first in the high byte.
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);
// A decimal number from 0 to `largest`.
std::optional<std::uint32_t> ParseBoundedNumber(std::string_view text, std::uint32_t largest);

}  // namespace lanvane::scenario
