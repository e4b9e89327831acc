// A German system gets German windows: the language DLL is found beside the program and
// its dialogs are what the real windows show. That a German Wine process chooses it:
// scenario-win32/german/every-window.
#include <gtest/gtest.h>
#include "ui/win32/WindowsHeader.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "app/SetupApp.h"
#include "app/win32/LoadLibraryLanguageLoader.h"
#include "resources/ResourceIds.h"
#include "tests/support/RecordingDialog.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Script.h"

namespace lanvane {
namespace {

constexpr LanguageId kGerman = 0x0407;

std::string TextOf(HWND window) {
    wchar_t text[256] = {};
    const int length = GetWindowTextW(window, text, 256);
    std::string utf8(static_cast<std::size_t>(length) * 3, '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

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

TEST(Win32LanguageTest, AGermanSystemGetsGermanWindows) {
    LoadLibraryLanguageLoader loader{std::filesystem::path(LANVANE_PROGRAM_DIR)};
    CSetupApp app(kGerman, loader);
    app.InitInstance();
    ASSERT_EQ(app.LanguageLibrary(), "German.dll");
    const DialogTemplate& menu = app.Resources().Dialog(dlg::kMainMenu);
    const DialogTemplate& english = ResourceSet().Dialog(dlg::kMainMenu);

    Win32Backend ui;
    test::RecordingDialog dialog(ui, menu);
    std::string title;
    std::string exit;
    Win32Script script(ui, 20000, [&ui] {
        ui.CloseInnermost();
        return ui.ModalDepth() == 0;
    });
    script.WaitUntil([&] { return ui.ActiveDialog() == &dialog; }).Then([&] {
        title = TextOf(ui.WindowOf(dialog)->Handle());
        exit = TextOf(ui.ControlWindow(dialog.GetDlgItem(kIdCancel)));
        dialog.EndDialog(kIdOk);
    });
    script.Start();
    dialog.DoModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(title, menu.title);
    EXPECT_EQ(exit, dialog.GetDlgItemText(kIdCancel));
    for (const ControlTemplate& control : english.controls) {
        if (control.id == kIdCancel) {
            EXPECT_NE(exit, control.text);
        }
    }
}

}  // namespace
}  // namespace lanvane
