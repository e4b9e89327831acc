#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/LanguageLibraryTable.h"
#include "app/SetupApp.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace lanvane {
namespace {

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

// Hong Kong takes the Traditional, Singapore the Simplified Chinese library, and what the
// library lacks stays English; languages without a library, and no language, load nothing.
TEST(SetupAppTest, EachLanguageLoadsItsLibraryOrNone) {
    const std::pair<std::optional<LanguageId>, std::string> cases[] = {
        {0x0C04, "TraditionalChinese.dll"}, {0x1004, "SimplifiedChinese.dll"}, {0x0409, ""}, {0x0416, ""},
        {0x1804, ""},                       {std::nullopt, ""},
    };
    for (const auto& [language, library] : cases) {
        FakeLoader loader;
        loader.libraries[library] = &kChinese;
        CSetupApp app(language, loader);
        app.InitInstance();
        const bool translated = !library.empty();
        EXPECT_EQ(app.LanguageLibrary(), library);
        EXPECT_EQ(loader.requested, translated ? std::vector{library} : std::vector<std::string>{}) << library;
        EXPECT_EQ(app.Resources().Text(sid::kConnected) == "translated connected", translated) << library;
        EXPECT_EQ(app.Resources().Dialog(dlg::kMainMenu).title == "translated title", translated) << library;
        EXPECT_EQ(app.Resources().Text(sid::kAppCaption), "Lanvane");
        EXPECT_EQ(app.Resources().Dialog(dlg::kInterfaceConfig).title, "Lanvane");
    }
}

}  // namespace
}  // namespace lanvane
