#pragma once

#include "lan/core/DeviceRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lanvane {

// "a.b.c.d" of an address held with its first octet in the high byte.
std::string DottedAddress(std::uint32_t address);
// Four decimal octets 0..255 separated by dots, nothing else; nothing otherwise.
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);

// "00:1a:2b:3c:4d:5e", lower-case hex.
std::string MacText(const MacAddress& mac);
// Six two-digit hex groups separated by ':' or '-', either case; nothing otherwise.
std::optional<MacAddress> ParseMacText(std::string_view text);

}  // namespace lanvane
