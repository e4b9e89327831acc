#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lanvane {

// A text field is ASCII, zero padded to its width, with no terminator when full.
std::string TextFromField(std::span<const std::uint8_t> field);

// Writes as many characters as the field holds and zero fills the rest of it.
void TextToField(std::string_view text, std::span<std::uint8_t> field);

}  // namespace lanvane
