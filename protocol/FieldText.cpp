#include "protocol/FieldText.h"

#include <algorithm>

namespace lanvane {

std::string TextFromField(std::span<const std::uint8_t> field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
}

void TextToField(std::string_view text, std::span<std::uint8_t> field) {
    const std::size_t length = std::min(text.size(), field.size());
    const auto rest = field.subspan(length);
    std::copy_n(text.begin(), length, field.begin());
    std::fill(rest.begin(), rest.end(), std::uint8_t{0});
}

}  // namespace lanvane
