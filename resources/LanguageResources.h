#pragma once

#include <string_view>

namespace lanvane {

// Raised whenever the layout of LanguageResources or the form of its table changes, so that
// a library built against other headers is refused instead of misread.
inline constexpr int kLanguageResourcesVersion = 2;

// What a language library holds: its table (resources/LanguageTable.h), the translated
// strings and dialog texts under the program's own ids, and the few sizes the language
// changes. The program lays the table over its English resources; the text stays valid
// while the library is loaded.
struct LanguageResources {
    int version = kLanguageResourcesVersion;
    std::string_view table;
};

// The name under which a language library exports LanvaneLanguageResources.
inline constexpr const char* kLanguageResourcesSymbol = "LanvaneLanguageResources";

using LanguageResourcesFunction = const LanguageResources* (*)();

// What a library's entry point hands out, or nullptr when it has none or was built against
// other headers, whose resources could be laid out differently.
inline const LanguageResources* CheckedResources(LanguageResourcesFunction entry) {
    const LanguageResources* resources = entry != nullptr ? entry() : nullptr;
    return resources != nullptr && resources->version == kLanguageResourcesVersion ? resources : nullptr;
}

}  // namespace lanvane

// Exported by every language library.
extern "C" const lanvane::LanguageResources* LanvaneLanguageResources();
