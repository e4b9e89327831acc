#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lanvane {

// An IPv4 address held with the first octet in the high byte, as "a.b.c.d".
std::string AddressText(std::uint32_t address);

// The address of a strict "a.b.c.d" text: four decimal octets of 0 to 255, one to three
// digits each, nothing before or after. Empty for any other text.
std::optional<std::uint32_t> ParseAddressText(std::string_view text);

}  // namespace lanvane
