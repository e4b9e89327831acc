#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lanvane::rules {

// Reads the text of a digits-only field as the pages' read-back does. Empty text, any
// character other than a digit, or a number beyond 32 bits gives no number; the field then
// keeps its previous value and the page complains with string kEnterWholeNumber.
std::optional<std::uint32_t> ParseUnsignedText(std::string_view text);

}  // namespace lanvane::rules
