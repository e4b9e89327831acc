#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lanvane {

// A text field is ASCII, zero padded to its width, with no terminator when full.
std::string TextFromField(const std::uint8_t* field, std::size_t width);

// Writes at most `width` characters and zero fills the rest of the field.
void TextToField(std::string_view text, std::uint8_t* field, std::size_t width);

}  // namespace lanvane
