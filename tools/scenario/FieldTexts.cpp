#include "tools/scenario/FieldTexts.h"

#include <charconv>

namespace lanvane::scenario {

std::string DottedAddress(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::optional<std::uint32_t> ParseBoundedNumber(std::string_view text, std::uint32_t largest) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > largest) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> ParseDottedAddress(std::string_view text) {
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        const auto dot = text.find('.');
        if ((dot == std::string_view::npos) != (part == 3)) {
            return std::nullopt;
        }
        const auto octet = ParseBoundedNumber(text.substr(0, dot), 255);
        if (!octet) {
            return std::nullopt;
        }
        address = (address << 8) | *octet;
        text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    }
    return address;
}

}  // namespace lanvane::scenario
