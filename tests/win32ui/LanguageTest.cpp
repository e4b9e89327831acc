// Only the program's own folder holds its language DLLs. That a German Wine process finds
// German.dll there and shows its texts: scenario-win32/german/every-window.
#include <gtest/gtest.h>
#include "ui/win32/WindowsHeader.h"

#include <filesystem>
#include <system_error>

#include "app/win32/LoadLibraryLanguageLoader.h"

namespace lanvane {
namespace {

// A language DLL planted in the current folder is never loaded, nor is one of the system's
// that the process holds already: only the program's own folder is looked in.
TEST(Win32LanguageTest, ALanguageDllElsewhereThanBesideTheProgramIsNeverLoaded) {
    const std::filesystem::path planted = std::filesystem::temp_directory_path() / "lanvane-planted-language";
    std::filesystem::create_directories(planted / "program");
    std::filesystem::copy_file(std::filesystem::path(LANVANE_PROGRAM_DIR) / "German.dll", planted / "German.dll",
                               std::filesystem::copy_options::overwrite_existing);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(planted);
    LoadLibraryLanguageLoader loader{planted / "program"};
    EXPECT_EQ(loader.Load("German.dll"), nullptr);
    EXPECT_EQ(loader.Load("kernel32.dll"), nullptr);
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(planted, ignored);
}

}  // namespace
}  // namespace lanvane
