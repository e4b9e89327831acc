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

// Hong Kong takes the Traditional, Singapore the Simplified Chinese library; what the
// library lacks stays English.
TEST(SetupAppTest, ChineseTerritoriesLoadTheirLibraryWhenPresent) {
    for (const auto& [language, library] : {std::pair{LanguageId{0x0C04}, "TraditionalChinese.dll"},
                                            std::pair{LanguageId{0x1004}, "SimplifiedChinese.dll"}}) {
        FakeLoader loader;
        loader.libraries[library] = &kChinese;
        CSetupApp app(language, loader);
        app.InitInstance();
        EXPECT_THAT(loader.requested, ElementsAre(library));
        EXPECT_EQ(app.LanguageLibrary(), library);
        EXPECT_EQ(app.Resources().Text(sid::kConnected), "translated connected");
        EXPECT_EQ(app.Resources().Dialog(dlg::kMainMenu).title, "translated title");
        EXPECT_EQ(app.Resources().Text(sid::kAppCaption), "Lanvane");
        EXPECT_EQ(app.Resources().Dialog(dlg::kInterfaceConfig).title, "Lanvane");
    }
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
