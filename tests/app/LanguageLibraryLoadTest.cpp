#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/LanguageLibraryTable.h"
#include "app/SetupApp.h"
#include "app/SystemLanguage.h"
#include "app/posix/DlopenLanguageLoader.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "tests/support/posix/TempDir.h"

namespace lanvane {
namespace {

// A folder of its own for each test, removed afterwards.
class LanguageLibraryLoadTest : public ::testing::Test {
protected:
    test::TempDir dir;
    const std::filesystem::path& folder = dir.Path();
};

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

// A library cut short would be mapped as if whole and end the program at the first touch
// of a page beyond its end (SIGBUS): each file is checked first, and a damaged one is named
// and passed over.
TEST_F(LanguageLibraryLoadTest, DamagedLibrariesAreNamedAndNeverMapped) {
    std::ifstream library(std::filesystem::path(LANVANE_PROGRAM_DIR) / "German.dll", std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(library), std::istreambuf_iterator<char>()};
    const struct {
        std::string content;
        std::string fault;
    } cases[] = {
        {whole.substr(0, whole.size() - 1), "it is cut short"},
        {whole.substr(0, 20), "it is cut short"},
        {"not a shared library", "it is not a shared library"},
    };
    const std::filesystem::path path = folder / "German.dll";
    for (const auto& [content, fault] : cases) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        DlopenLanguageLoader loader(folder);
        EXPECT_EQ(loader.Load("German.dll"), nullptr) << fault;
        EXPECT_EQ(loader.Problems(), std::vector<std::string>{"the language library " + path.string() +
                                                              " is damaged (" + fault + ") and is not loaded"});
    }
}

TEST_F(LanguageLibraryLoadTest, LibraryIsFoundOnlyUnderItsExactName) {
    std::filesystem::copy_file(std::filesystem::path(LANVANE_PROGRAM_DIR) / "German.dll", folder / "german.dll");
    DlopenLanguageLoader loader(folder);
    EXPECT_EQ(loader.Load("German.dll"), nullptr);
    EXPECT_NE(loader.Load("german.dll"), nullptr);
}

// Each locale, from its environment to the library built for it: the first message of the
// configuration window comes in that language. German and Japanese: the scenarios
// german/every-window and languages/ja_JP walk the windows.
TEST(LanguageLibraryLocaleTest, EveryLocaleLoadsItsOwnBuiltLibrary) {
    const std::pair<std::string, std::string> cases[] = {
        {"es_ES", "La impresora se ha conectado correctamente."},
        {"fr_FR", "L'imprimante est connectée."},
        {"hu_HU", "A nyomtató csatlakoztatása sikerült."},
        {"it_IT", "La stampante è stata connessa."},
        {"ko_KR", "프린터가 연결되었습니다."},
        {"pl_PL", "Połączono z drukarką."},
        {"ru_RU", "Принтер успешно подключён."},
        {"zh_CN", "已成功连接打印机。"},
        {"zh_TW", "已成功連線到印表機。"},
    };
    for (const auto& [locale, connected] : cases) {
        const std::string lang = locale + ".UTF-8";
        const auto environment = [&](const char* name) { return std::string(name) == "LANG" ? lang.c_str() : nullptr; };
        DlopenLanguageLoader loader(LANVANE_PROGRAM_DIR);
        CSetupApp app(SystemDefaultLanguageId(environment), loader);
        app.InitInstance();
        EXPECT_EQ(app.Resources().Text(sid::kConnected), connected) << locale;
        EXPECT_TRUE(loader.Problems().empty()) << locale;
    }
}

}  // namespace
}  // namespace lanvane
