#pragma once

#include <optional>
#include <string_view>

#include "app/LanguageId.h"

namespace lanvane {

// The file name of the language library for a system language ("German.dll", ...), or
// nothing when the program's own English resources serve that language.
std::optional<std::string_view> LanguageLibraryFor(LanguageId id);

}  // namespace lanvane
