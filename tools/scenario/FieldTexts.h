#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/AddressText.h"

namespace lanvane::scenario {

// The text forms of the simulated printers' fields: addresses as AddressText and
// ParseAddressText give them; numbers as here, a decimal number from 0 to `largest`.
std::optional<std::uint32_t> ParseBoundedNumber(std::string_view text, std::uint32_t largest);

}  // namespace lanvane::scenario
