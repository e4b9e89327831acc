#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lanvane {

using MacAddress = std::array<std::uint8_t, 6>;

// An IPv4 address held with the first octet in the high byte, as "a.b.c.d".
std::string AddressText(std::uint32_t address);

// The address of a strict "a.b.c.d" text: four decimal octets of 0 to 255, one to three
// digits each, nothing before or after. Empty for any other text.
std::optional<std::uint32_t> ParseAddressText(std::string_view text);

// "00-1B-A9-C0-FE-0A": how the configuration window and the BSS list show a MAC address.
std::string MacText(const MacAddress& mac);

// "00:1b:a9:c0:fe:0a": how the LAN device lists and lanvane-cli's LAN output show it.
std::string LanMacText(const MacAddress& mac);

// Six two-digit hex groups separated by ':' or '-', either case; nothing otherwise.
std::optional<MacAddress> ParseMacText(std::string_view text);

}  // namespace lanvane
