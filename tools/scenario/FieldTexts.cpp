#include "tools/scenario/FieldTexts.h"

#include <charconv>

namespace lanvane::scenario {

std::optional<std::uint32_t> ParseBoundedNumber(std::string_view text, std::uint32_t largest) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > largest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace lanvane::scenario
