#pragma once

#include <cstdint>
#include <span>

namespace lanvane {

// Multi-byte integers travel most significant byte first, at any offset; the span is the
// integer's own bytes.
constexpr std::uint32_t ReadBigEndian(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (const std::uint8_t byte : bytes) {
        value = (value << 8) | byte;
    }
    return value;
}

constexpr void WriteBigEndian(std::uint32_t value, std::span<std::uint8_t> bytes) {
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        *byte = static_cast<std::uint8_t>(value & 0xFFu);
        value >>= 8;
    }
}

}  // namespace lanvane
