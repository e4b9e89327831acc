#include "lan/core/AddressTexts.h"

#include <charconv>
#include <cstdio>

namespace lanvane {
namespace {

// The number at the start of text, of at most maxDigits digits in the base, and what follows it.
std::optional<unsigned> TakeNumber(std::string_view& text, int base, std::size_t maxDigits) {
    unsigned value = 0;
    const char* end = text.data() + std::min(text.size(), maxDigits);
    const auto [next, error] = std::from_chars(text.data(), end, value, base);
    if (error != std::errc{} || next == text.data()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(next - text.data()));
    return value;
}

bool TakeSeparator(std::string_view& text, std::string_view separators) {
    if (text.empty() || separators.find(text.front()) == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::string DottedAddress(std::uint32_t address) {
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFFu) + '.' +
           std::to_string((address >> 8) & 0xFFu) + '.' + std::to_string(address & 0xFFu);
}

std::optional<std::uint32_t> ParseDottedAddress(std::string_view text) {
    std::uint32_t address = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0 && !TakeSeparator(text, ".")) {
            return std::nullopt;
        }
        const auto value = TakeNumber(text, 10, 3);
        if (!value || *value > 255) {
            return std::nullopt;
        }
        address = (address << 8) | *value;
    }
    return text.empty() ? std::optional(address) : std::nullopt;
}

std::string MacText(const MacAddress& mac) {
    char text[18] = {};
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3],
                  mac[4], mac[5]);
    return text;
}

std::optional<MacAddress> ParseMacText(std::string_view text) {
    MacAddress mac{};
    for (std::size_t index = 0; index < mac.size(); ++index) {
        if (index > 0 && !TakeSeparator(text, ":-")) {
            return std::nullopt;
        }
        const std::size_t before = text.size();
        const auto value = TakeNumber(text, 16, 2);
        if (!value || before - text.size() != 2) {
            return std::nullopt;
        }
        mac[index] = static_cast<std::uint8_t>(*value);
    }
    return text.empty() ? std::optional(mac) : std::nullopt;
}

}  // namespace lanvane
