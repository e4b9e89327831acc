#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/SystemLanguage.h"

namespace lanvane {
namespace {

// A language alone or with an unlisted territory takes the language's first id; spelling
// variants are accepted; the portable locale is English; unknown languages have no id.
TEST(LocaleLanguageTest, LocaleNamesGiveTheirLanguageId) {
    const std::pair<const char*, std::optional<LanguageId>> cases[] = {
        {"de", 0x0407},    {"de_BE.UTF-8", 0x0407}, {"zh", 0x0804},      {"pt", 0x0416},
        {"de-de", 0x0407}, {"ZH_hk", 0x0C04},       {"C", 0x0409},       {"C.UTF-8", 0x0409},
        {"POSIX", 0x0409}, {"xx_YY", std::nullopt}, {"", std::nullopt}, {".UTF-8", std::nullopt},
    };
    for (const auto& [locale, id] : cases) {
        EXPECT_EQ(LanguageIdForLocale(locale), id) << '"' << locale << '"';
    }
}

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
        const auto found = values.find(name);
        return found == values.end() ? nullptr : found->second.c_str();
    };
}

// An empty variable counts as unset.
TEST(LocaleLanguageTest, MessagesLocaleComesFromLcAllThenLcMessagesThenLang) {
    const std::pair<std::map<std::string, std::string>, std::string> cases[] = {
        {{{"LC_ALL", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "it_IT"}}, "de_DE"},
        {{{"LC_MESSAGES", "fr_FR"}, {"LANG", "it_IT"}}, "fr_FR"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "it_IT"}}, "it_IT"},
        {{}, ""},
    };
    for (const auto& [environment, locale] : cases) {
        EXPECT_EQ(MessagesLocale(Environment(environment)), locale) << locale;
    }
}

// The messages locale decides, unless the language priority list names a language that can be shown.
TEST(LocaleLanguageTest, SystemDefaultLanguageIdFollowsThePriorityListThenTheMessagesLocale) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::optional<LanguageId> expected;
    };
    const Case cases[] = {
        {{{"LANGUAGE", "ja_JP:de"}, {"LANG", "fr_FR.UTF-8"}}, 0x0411},
        {{{"LANGUAGE", "pt_BR:eo::de"}, {"LANG", "fr_FR.UTF-8"}}, 0x0407},  // no library, unknown, empty
        {{{"LANGUAGE", "en_GB:de"}, {"LANG", "fr_FR.UTF-8"}}, 0x0809},      // English is always there
        {{{"LANGUAGE", "pt_BR"}, {"LANG", "fr_FR.UTF-8"}}, 0x040C},         // nothing listed can be shown
        {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, 0x0409},                    // ignored for the C locale
        {{{"LANGUAGE", "de"}}, std::nullopt},                                // and without any locale
        {{{"LANGUAGE", ""}, {"LANG", "it_IT"}}, 0x0410},
        {{{"LANG", "zh_SG.UTF-8"}}, 0x1004},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(SystemDefaultLanguageId(Environment(test.environment)), test.expected)
            << test.environment.begin()->second;
    }
}

}  // namespace
}  // namespace lanvane
