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
