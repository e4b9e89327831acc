#pragma once

#include <span>
#include <string_view>

#include "app/LanguageId.h"

namespace lanvane {

// A locale's language and territory ("de_DE", "zh_HK") and its numeric language id.
struct LocaleLanguage {
    std::string_view locale;
    LanguageId id;
};

// Every locale the program tells apart. The first entry of each language is the one a
// locale naming only the language ("de") or an unlisted territory ("de_BE") maps to.
std::span<const LocaleLanguage> LocaleLanguages();

}  // namespace lanvane
