#include "rules/PskPassphrase.h"

#include <algorithm>

namespace lanvane::rules {

namespace {

constexpr std::size_t kShortestPassphrase = 8;
constexpr std::size_t kLongestPassphrase = 63;
constexpr std::size_t kRawKeyDigits = 64;

bool IsPrintableAscii(char c) {
    return c >= ' ' && c <= '~';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

bool IsValidPskPassphrase(std::string_view key) {
    if (key.size() == kRawKeyDigits) {
        return std::all_of(key.begin(), key.end(), IsHexDigit);
    }
    return key.size() >= kShortestPassphrase && key.size() <= kLongestPassphrase &&
           std::all_of(key.begin(), key.end(), IsPrintableAscii);
}

}  // namespace lanvane::rules
