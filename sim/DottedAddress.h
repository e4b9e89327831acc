#pragma once

#include <cstdint>
#include <string>

namespace lanvane::sim {

// "a.b.c.d" of an address that holds its first octet in the high byte.
std::string DottedAddress(std::uint32_t address);

}  // namespace lanvane::sim
