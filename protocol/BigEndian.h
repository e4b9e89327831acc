#pragma once

#include <cstddef>
#include <cstdint>

namespace lanvane {

// Multi-byte integers travel most significant byte first, at any offset.
constexpr std::uint32_t ReadBigEndian(const std::uint8_t* bytes, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

constexpr void WriteBigEndian(std::uint32_t value, std::uint8_t* bytes, std::size_t width) {
    for (std::size_t i = width; i > 0; --i) {
        bytes[i - 1] = static_cast<std::uint8_t>(value & 0xFFu);
        value >>= 8;
    }
}

}  // namespace lanvane
