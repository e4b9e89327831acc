#include "app/SystemLanguage.h"

#include <cstdlib>

namespace lanvane {

std::optional<LanguageId> SystemDefaultLanguageId() {
    return SystemDefaultLanguageId([](const char* name) { return std::getenv(name); });
}

}  // namespace lanvane
