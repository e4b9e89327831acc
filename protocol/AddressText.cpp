#include "protocol/AddressText.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace lanvane {
namespace {

bool IsDigitIn(char character, int base) {
    return base == 16 ? std::isxdigit(static_cast<unsigned char>(character)) != 0
                      : character >= '0' && character <= '9';
}

// The number at the start of `text`, of one to `maxDigits` digits in `base`, taken off it.
std::optional<unsigned> TakeNumber(std::string_view& text, int base, std::size_t maxDigits) {
    std::size_t digits = 0;
    while (digits < text.size() && IsDigitIn(text[digits], base)) {
        ++digits;
    }
    if (digits == 0 || digits > maxDigits) {
        return std::nullopt;
    }
    unsigned value = 0;
    std::from_chars(text.data(), text.data() + digits, value, base);
    text.remove_prefix(digits);
    return value;
}

bool TakeSeparator(std::string_view& text, std::string_view separators) {
    if (text.empty() || separators.find(text.front()) == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

std::string MacTextIn(const char* format, const MacAddress& mac) {
    char text[18] = {};
    std::snprintf(text, sizeof text, format, mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

}  // namespace

std::string AddressText(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFFu) + "." +
           std::to_string((address >> 8) & 0xFFu) + "." + std::to_string(address & 0xFFu);
}

std::optional<std::uint32_t> ParseAddressText(std::string_view text) {
    std::uint32_t address = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0 && !TakeSeparator(text, ".")) {
            return std::nullopt;
        }
        const auto value = TakeNumber(text, 10, 3);
        if (!value || *value > 0xFFu) {
            return std::nullopt;
        }
        address = (address << 8) | *value;
    }
    return text.empty() ? std::optional(address) : std::nullopt;
}

std::string MacText(const MacAddress& mac) {
    return MacTextIn("%02X-%02X-%02X-%02X-%02X-%02X", mac);
}

std::string LanMacText(const MacAddress& mac) {
    return MacTextIn("%02x:%02x:%02x:%02x:%02x:%02x", mac);
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
