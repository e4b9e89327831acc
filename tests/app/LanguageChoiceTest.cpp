#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/LanguageLibraryTable.h"
#include "app/SetupApp.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace lanvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Optional;

TEST(LanguageLibraryTableTest, ChineseLibraryFollowsTheScriptOfTheSubLanguage) {
    EXPECT_THAT(LanguageLibraryFor(0x0804), Optional(std::string_view("SimplifiedChinese.dll")));   // PRC
    EXPECT_THAT(LanguageLibraryFor(0x1004), Optional(std::string_view("SimplifiedChinese.dll")));   // Singapore
    EXPECT_THAT(LanguageLibraryFor(0x0404), Optional(std::string_view("TraditionalChinese.dll")));  // Taiwan
    EXPECT_THAT(LanguageLibraryFor(0x0C04), Optional(std::string_view("TraditionalChinese.dll")));  // Hong Kong
    EXPECT_THAT(LanguageLibraryFor(0x1404), Optional(std::string_view("TraditionalChinese.dll")));  // Macao
}

TEST(LanguageLibraryTableTest, ChineseWithoutAKnownScriptHasNoLibrary) {
    EXPECT_EQ(LanguageLibraryFor(0x0004), std::nullopt);
    for (int sub = 6; sub < 64; ++sub) {
        EXPECT_EQ(LanguageLibraryFor(static_cast<LanguageId>((sub << 10) | 0x04)), std::nullopt) << sub;
    }
}

TEST(LanguageLibraryTableTest, OtherLanguagesTakeTheirLibraryWhateverTheSubLanguage) {
    const std::map<int, std::string_view> expected = {
        {0x07, "German.dll"}, {0x0A, "Spanish.dll"}, {0x0C, "French.dll"}, {0x0E, "Hungarian.dll"},
        {0x10, "Italian.dll"}, {0x11, "Japanese.dll"}, {0x12, "Korean.dll"}, {0x15, "Polish.dll"},
        {0x19, "Russian.dll"},
    };
    for (int primary = 0; primary < 0x400; ++primary) {
        if (primary == 0x04) {
            continue;
        }
        for (const int sub : {0, 1, 2, 5, 63}) {
            const auto library = LanguageLibraryFor(static_cast<LanguageId>((sub << 10) | primary));
            const auto known = expected.find(primary);
            if (known == expected.end()) {
                EXPECT_EQ(library, std::nullopt) << std::hex << primary;
            } else {
                EXPECT_THAT(library, Optional(known->second)) << std::hex << primary;
            }
        }
    }
}

// Hands out prepared resources by file name and records what was asked for.
class FakeLoader : public LanguageLibraryLoader {
public:
    const LanguageResources* Load(const std::string& fileName) override {
        requested.push_back(fileName);
        const auto found = libraries.find(fileName);
        return found == libraries.end() ? nullptr : found->second;
    }

    std::map<std::string, const LanguageResources*> libraries;
    std::vector<std::string> requested;
};

const LanguageResources kChinese{kLanguageResourcesVersion,
                                 "[strings]\n204 = translated connected\n"
                                 "[dialog 102 main menu]\nVantrole Lanvane = translated title\n"};

TEST(SetupAppTest, HongKongLoadsTheTraditionalChineseLibraryWhenPresent) {
    FakeLoader loader;
    loader.libraries["TraditionalChinese.dll"] = &kChinese;
    CSetupApp app(0x0C04, loader);
    app.InitInstance();
    EXPECT_THAT(loader.requested, ElementsAre("TraditionalChinese.dll"));
    EXPECT_EQ(app.LanguageLibrary(), "TraditionalChinese.dll");
    EXPECT_EQ(app.Resources().Text(sid::kConnected), "translated connected");
    EXPECT_EQ(app.Resources().Dialog(dlg::kMainMenu).title, "translated title");
}

TEST(SetupAppTest, WhatTheLibraryLacksStaysEnglish) {
    FakeLoader loader;
    loader.libraries["SimplifiedChinese.dll"] = &kChinese;
    CSetupApp app(0x1004, loader);
    app.InitInstance();
    EXPECT_THAT(loader.requested, ElementsAre("SimplifiedChinese.dll"));
    EXPECT_EQ(app.Resources().Text(sid::kAppCaption), "Lanvane");
    EXPECT_EQ(app.Resources().Dialog(dlg::kInterfaceConfig).title, "Lanvane");
}

TEST(SetupAppTest, AbsentGermanLibraryLeavesTheEnglishResourcesSilently) {
    FakeLoader loader;
    CSetupApp app(0x0407, loader);
    app.InitInstance();
    EXPECT_THAT(loader.requested, ElementsAre("German.dll"));
    EXPECT_THAT(app.LanguageLibrary(), IsEmpty());
    EXPECT_EQ(app.Resources().Text(sid::kConnected), "The printer has been connected successfully.");
    EXPECT_EQ(app.Resources().Dialog(dlg::kMainMenu).controls[0].text, "Ethernet Configuration");
}

TEST(SetupAppTest, LanguagesWithoutLibraryLoadNothing) {
    for (const std::optional<LanguageId> language :
         {std::optional<LanguageId>(0x0409), std::optional<LanguageId>(0x0416), std::optional<LanguageId>(0x1804),
          std::optional<LanguageId>()}) {
        FakeLoader loader;
        CSetupApp app(language, loader);
        app.InitInstance();
        EXPECT_THAT(loader.requested, IsEmpty());
        EXPECT_EQ(app.Resources().Text(sid::kAppCaption), "Lanvane");
    }
}

}  // namespace
}  // namespace lanvane
