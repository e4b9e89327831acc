#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/LanguageId.h"

namespace lanvane {

// The language id of a locale name such as "de_DE.UTF-8", "zh_HK" or "pt_BR@euro": the
// territory's id when the table lists it, else the language's first id; "C" and "POSIX"
// are English (United States). Nothing for a language the table does not know.
std::optional<LanguageId> LanguageIdForLocale(std::string_view locale);

// Reads one environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The locale that chooses the language of messages: the first of LC_ALL, LC_MESSAGES and
// LANG that is set and not empty; empty when none is.
std::string MessagesLocale(const EnvironmentLookup& environment);

// The system default language id. LANGUAGE, the GNU priority list ("fr_CA:fr:de"), comes
// first as for any desktop program: its first entry that is English or has a language
// library. It is passed over, as GNU gettext does, when the messages locale is "C" or
// "POSIX" or names none of those; then the messages locale decides.
std::optional<LanguageId> SystemDefaultLanguageId(const EnvironmentLookup& environment);

// The system's: from the process environment as above on POSIX systems, the user's
// interface language (GetUserDefaultUILanguage) on Windows.
std::optional<LanguageId> SystemDefaultLanguageId();

}  // namespace lanvane
