#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/SystemLanguage.h"

namespace lanvane {
namespace {

using ::testing::Optional;

TEST(LocaleLanguageTest, LanguageAloneOrUnlistedTerritoryTakesTheLanguagesFirstId) {
    EXPECT_THAT(LanguageIdForLocale("de"), Optional(LanguageId{0x0407}));
    EXPECT_THAT(LanguageIdForLocale("de_BE.UTF-8"), Optional(LanguageId{0x0407}));
    EXPECT_THAT(LanguageIdForLocale("zh"), Optional(LanguageId{0x0804}));
    EXPECT_THAT(LanguageIdForLocale("pt"), Optional(LanguageId{0x0416}));
}

TEST(LocaleLanguageTest, SpellingVariantsAreAccepted) {
    EXPECT_THAT(LanguageIdForLocale("de-de"), Optional(LanguageId{0x0407}));
    EXPECT_THAT(LanguageIdForLocale("ZH_hk"), Optional(LanguageId{0x0C04}));
}

TEST(LocaleLanguageTest, PortableLocaleIsEnglishAndUnknownLanguagesHaveNoId) {
    EXPECT_THAT(LanguageIdForLocale("C"), Optional(LanguageId{0x0409}));
    EXPECT_THAT(LanguageIdForLocale("C.UTF-8"), Optional(LanguageId{0x0409}));
    EXPECT_THAT(LanguageIdForLocale("POSIX"), Optional(LanguageId{0x0409}));
    EXPECT_EQ(LanguageIdForLocale("xx_YY"), std::nullopt);
    EXPECT_EQ(LanguageIdForLocale(""), std::nullopt);
    EXPECT_EQ(LanguageIdForLocale(".UTF-8"), std::nullopt);
}

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
        const auto found = values.find(name);
        return found == values.end() ? nullptr : found->second.c_str();
    };
}

TEST(LocaleLanguageTest, MessagesLocaleComesFromLcAllThenLcMessagesThenLang) {
    EXPECT_EQ(MessagesLocale(Environment({{"LC_ALL", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "it_IT"}})),
              "de_DE");
    EXPECT_EQ(MessagesLocale(Environment({{"LC_MESSAGES", "fr_FR"}, {"LANG", "it_IT"}})), "fr_FR");
    EXPECT_EQ(MessagesLocale(Environment({{"LANG", "it_IT"}})), "it_IT");
    EXPECT_EQ(MessagesLocale(Environment({{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "it_IT"}})), "it_IT")
        << "an empty variable counts as unset";
    EXPECT_EQ(MessagesLocale(Environment({})), "");
}

TEST(LocaleLanguageTest, SystemDefaultLanguageIdFollowsTheMessagesLocale) {
    EXPECT_THAT(SystemDefaultLanguageId(Environment({{"LANG", "zh_SG.UTF-8"}})), Optional(LanguageId{0x1004}));
    EXPECT_THAT(SystemDefaultLanguageId(Environment({{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}})),
                Optional(LanguageId{0x0409}));
    EXPECT_EQ(SystemDefaultLanguageId(Environment({})), std::nullopt);
}

TEST(LocaleLanguageTest, LanguagePriorityListComesFirst) {
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
    };
    for (const Case& test : cases) {
        EXPECT_EQ(SystemDefaultLanguageId(Environment(test.environment)), test.expected)
            << test.environment.begin()->second;
    }
}

}  // namespace
}  // namespace lanvane
