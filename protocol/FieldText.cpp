#include "protocol/FieldText.h"

#include <algorithm>

namespace lanvane {

std::string TextFromField(const std::uint8_t* field, std::size_t width) {
    const std::uint8_t* end = std::find(field, field + width, std::uint8_t{0});
    return std::string(field, end);
}

void TextToField(std::string_view text, std::uint8_t* field, std::size_t width) {
    const std::size_t length = std::min(text.size(), width);
    std::copy_n(text.begin(), length, field);
    std::fill(field + length, field + width, std::uint8_t{0});
}

}  // namespace lanvane
