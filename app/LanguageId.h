#pragma once

#include <cstdint>

namespace lanvane {

// A language as the numeric language ids of the Windows platform give it: the primary
// language in the low 10 bits, the sub-language (country or script) above them.
using LanguageId = std::uint16_t;

constexpr int PrimaryLanguage(LanguageId id) {
    return id & 0x3FF;
}

constexpr int SubLanguage(LanguageId id) {
    return id >> 10;
}

}  // namespace lanvane
