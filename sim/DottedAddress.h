#pragma once

#include <cstdint>
#include <string>

namespace lanvane::sim {

// "a.b.c.d" of an address that holds its first octet in the high byte.
std::string DottedAddress(std::uint32_t address);

// The address a.b.c.d, first octet in the high byte.
constexpr std::uint32_t AddressOf(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return (a << 24) | (b << 16) | (c << 8) | d;
}

}  // namespace lanvane::sim
