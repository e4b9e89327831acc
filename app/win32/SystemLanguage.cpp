#include "app/SystemLanguage.h"

#include <windows.h>

namespace lanvane {

// The language the user reads the system's own windows in, as a numeric language id.
std::optional<LanguageId> SystemDefaultLanguageId() {
    const LANGID id = GetUserDefaultUILanguage();
    if (id == 0) {
        return std::nullopt;
    }
    return LanguageId{id};
}

}  // namespace lanvane
