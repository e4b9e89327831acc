#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/LanguageLibraryTable.h"
#include "app/SetupApp.h"
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
