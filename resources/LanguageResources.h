#pragma once

#include <span>

#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"

namespace lanvane {

// Raised whenever the layout of LanguageResources, StringEntry or DialogTemplate changes, so
// that a library built against other headers is refused instead of misread.
inline constexpr int kLanguageResourcesVersion = 1;

// What a language library holds: translated strings and, optionally, translated dialog
// templates, all under the program's own ids. Everything it points to stays valid while the
// library is loaded.
struct LanguageResources {
    int version = kLanguageResourcesVersion;
    std::span<const StringEntry> strings;
    std::span<const DialogTemplate* const> dialogs;
};

// The name under which a language library exports LanvaneLanguageResources.
inline constexpr const char* kLanguageResourcesSymbol = "LanvaneLanguageResources";

using LanguageResourcesFunction = const LanguageResources* (*)();

}  // namespace lanvane

// Exported by every language library.
extern "C" const lanvane::LanguageResources* LanvaneLanguageResources();
