#include "protocol/AddressText.h"

#include <charconv>

namespace lanvane {
namespace {

constexpr int kOctets = 4;
constexpr std::size_t kMaxOctetDigits = 3;

// Reads one octet at the front of `text` and takes it off; empty when there is none.
std::optional<std::uint32_t> TakeOctet(std::string_view& text) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    if (digits == 0 || digits > kMaxOctetDigits) {
        return std::nullopt;
    }
    std::uint32_t octet = 0;
    std::from_chars(text.data(), text.data() + digits, octet);
    if (octet > 0xFFu) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return octet;
}

}  // namespace

std::string AddressText(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFFu) + "." +
           std::to_string((address >> 8) & 0xFFu) + "." + std::to_string(address & 0xFFu);
}

std::optional<std::uint32_t> ParseAddressText(std::string_view text) {
    std::uint32_t address = 0;
    for (int index = 0; index < kOctets; ++index) {
        if (index > 0) {
            if (text.empty() || text.front() != '.') {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
        const auto octet = TakeOctet(text);
        if (!octet) {
            return std::nullopt;
        }
        address = (address << 8) | *octet;
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return address;
}

}  // namespace lanvane
