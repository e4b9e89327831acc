#include "rules/NumberText.h"

#include <charconv>

namespace lanvane::rules {

std::optional<std::uint32_t> ParseUnsignedText(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace lanvane::rules
