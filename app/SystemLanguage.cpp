#include "app/SystemLanguage.h"

#include <algorithm>
#include <cctype>

#include "app/LanguageLibraryTable.h"
#include "app/LocaleLanguageTable.h"

namespace lanvane {
namespace {

constexpr LanguageId kEnglishUnitedStates = 0x0409;

struct LocaleParts {
    std::string language;   // lower case
    std::string territory;  // upper case, may be empty
};

// "de_DE.UTF-8@euro" and "de-de" both give {"de", "DE"}.
LocaleParts SplitLocale(std::string_view locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto separator = locale.find_first_of("_-");
    LocaleParts parts;
    for (const char c : locale.substr(0, separator)) {
        parts.language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (separator != std::string_view::npos) {
        for (const char c : locale.substr(separator + 1)) {
            parts.territory += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return parts;
}

constexpr int kEnglish = 0x09;

bool IsPlainLocale(std::string_view locale) {
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

// The first entry of the priority list that the program can show: English, or a language
// with a library.
std::optional<LanguageId> FirstShownLanguage(std::string_view priorities) {
    while (!priorities.empty()) {
        const auto colon = priorities.find(':');
        const std::string_view entry = priorities.substr(0, colon);
        priorities = colon == std::string_view::npos ? std::string_view() : priorities.substr(colon + 1);
        const auto id = entry.empty() ? std::nullopt : LanguageIdForLocale(entry);
        if (id && (PrimaryLanguage(*id) == kEnglish || LanguageLibraryFor(*id))) {
            return id;
        }
    }
    return std::nullopt;
}

bool IsLanguage(const LocaleLanguage& entry, std::string_view language) {
    const std::string_view listed = entry.locale.substr(0, entry.locale.find('_'));
    return listed == language;
}

}  // namespace

std::optional<LanguageId> LanguageIdForLocale(std::string_view locale) {
    if (IsPlainLocale(locale)) {
        return kEnglishUnitedStates;
    }
    const LocaleParts parts = SplitLocale(locale);
    if (parts.language.empty()) {
        return std::nullopt;
    }
    const std::string exact = parts.language + "_" + parts.territory;
    const auto languages = LocaleLanguages();
    const auto same = std::ranges::find(languages, std::string_view(exact), &LocaleLanguage::locale);
    if (same != languages.end()) {
        return same->id;
    }
    const auto first = std::ranges::find_if(
        languages, [&parts](const LocaleLanguage& entry) { return IsLanguage(entry, parts.language); });
    if (first != languages.end()) {
        return first->id;
    }
    return std::nullopt;
}

std::string MessagesLocale(const EnvironmentLookup& environment) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

std::optional<LanguageId> SystemDefaultLanguageId(const EnvironmentLookup& environment) {
    const std::string locale = MessagesLocale(environment);
    const char* priorities = environment("LANGUAGE");
    if (priorities != nullptr && !locale.empty() && !IsPlainLocale(locale)) {
        if (const auto listed = FirstShownLanguage(priorities)) {
            return listed;
        }
    }
    if (locale.empty()) {
        return std::nullopt;
    }
    return LanguageIdForLocale(locale);
}

}  // namespace lanvane
