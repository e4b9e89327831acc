#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/LanguageLibraryTable.h"
#include "app/SetupApp.h"
#include "app/posix/DlopenLanguageLoader.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace lanvane {
namespace {

// A folder of its own for each test, removed afterwards.
class LanguageLibraryLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("lanvane-languages-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

TEST_F(LanguageLibraryLoadTest, GermanLibraryBesideTheProgramReplacesTheTexts) {
    DlopenLanguageLoader loader(LANVANE_PROGRAM_DIR);
    CSetupApp app(0x0407, loader);
    app.InitInstance();
    EXPECT_EQ(app.LanguageLibrary(), "German.dll");
    EXPECT_EQ(app.Resources().Text(sid::kConnected), "Der Drucker wurde erfolgreich verbunden.");
    EXPECT_EQ(app.Resources().Text(sid::kTabNetwork), "Netzwerk");
    EXPECT_EQ(app.Resources().Dialog(dlg::kMainMenu).controls[0].text, "Ethernet-Konfiguration");
    EXPECT_EQ(app.Resources().Dialog(dlg::kInterfaceConfig).controls.size(),
              FindDialogTemplate(dlg::kInterfaceConfig)->controls.size())
        << "the translated window keeps every control";
    EXPECT_EQ(app.Resources().Text(sid::kColumnSsid), "SSID") << "untranslated texts stay English";
}

TEST_F(LanguageLibraryLoadTest, EveryLanguageLibraryLiesBesideTheProgram) {
    for (const int language : {0x0804, 0x0404, 0x0407, 0x0C0A, 0x040C, 0x040E, 0x0410, 0x0411, 0x0412, 0x0415, 0x0419}) {
        const auto id = static_cast<LanguageId>(language);
        DlopenLanguageLoader loader(LANVANE_PROGRAM_DIR);
        CSetupApp app(id, loader);
        app.InitInstance();
        EXPECT_EQ(app.LanguageLibrary(), LanguageLibraryFor(id).value_or("")) << std::hex << id;
        EXPECT_NE(app.Resources().Text(sid::kConnected), EnglishStringTable().Text(sid::kConnected)) << std::hex << id;
        EXPECT_NE(app.Resources().Dialog(dlg::kInterfaceConfig).controls.back().text, "Quit") << std::hex << id;
    }
}

TEST_F(LanguageLibraryLoadTest, InstalledLanguageFolderIsSearchedAfterTheProgramsFolder) {
    std::filesystem::create_directories(folder / "bin");
    std::filesystem::create_directories(folder / "lib/lanvane");
    std::filesystem::copy_file(std::filesystem::path(LANVANE_PROGRAM_DIR) / "German.dll",
                               folder / "lib/lanvane/German.dll");
    DlopenLanguageLoader installed(folder / "bin");
    EXPECT_NE(installed.Load("German.dll"), nullptr);
    std::ofstream(folder / "bin/German.dll") << "not a shared library";
    EXPECT_NE(installed.Load("German.dll"), nullptr) << "a broken file beside the program hides nothing";
}

TEST_F(LanguageLibraryLoadTest, MissingLibraryIsIgnored) {
    DlopenLanguageLoader loader(folder);
    EXPECT_EQ(loader.Load("German.dll"), nullptr);
    CSetupApp app(0x0407, loader);
    app.InitInstance();
    EXPECT_TRUE(app.LanguageLibrary().empty());
    EXPECT_EQ(app.Resources().Text(sid::kConnected), "The printer has been connected successfully.");
}

TEST_F(LanguageLibraryLoadTest, FileThatIsNoLibraryIsIgnored) {
    std::ofstream(folder / "German.dll") << "not a shared library";
    DlopenLanguageLoader loader(folder);
    EXPECT_EQ(loader.Load("German.dll"), nullptr);
}

TEST_F(LanguageLibraryLoadTest, LibraryIsFoundOnlyUnderItsExactName) {
    std::filesystem::copy_file(std::filesystem::path(LANVANE_PROGRAM_DIR) / "German.dll", folder / "german.dll");
    DlopenLanguageLoader loader(folder);
    EXPECT_EQ(loader.Load("German.dll"), nullptr);
    EXPECT_NE(loader.Load("german.dll"), nullptr);
}

}  // namespace
}  // namespace lanvane
