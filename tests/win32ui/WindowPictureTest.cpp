#include "ui/win32/WindowPicture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace lanvane {
namespace {

std::uint32_t BigEndian(const std::vector<unsigned char>& bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

// Wine's null display driver (chosen in the prefix's registry) has no screen to take from,
// nor has Wine without an X display.
bool ScreenReadable() {
    wchar_t driver[32] = {};
    DWORD size = sizeof driver;
    const bool nullDriver = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Drivers", L"Graphics", RRF_RT_REG_SZ,
                                         nullptr, driver, &size) == ERROR_SUCCESS &&
                            lstrcmpiW(driver, L"null") == 0;
    return std::getenv("DISPLAY") != nullptr && !nullDriver;
}

void Pump() {
    MSG message;
    for (int turn = 0; turn < 50; ++turn) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// The picture is a PNG of the window's size with the controls drawn in it.
TEST(WindowPictureTest, SavesTheShownWindowAsPng) {
    if (!ScreenReadable()) {
        GTEST_SKIP() << "no screen to take pictures from: Wine has no X display or the null driver";
    }
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 30, 160, 90,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, window, nullptr,
                    nullptr, nullptr);
    Pump();
    const auto path = std::filesystem::temp_directory_path() / "lanvane-window-picture.png";
    ASSERT_TRUE(SaveWindowPicture(window, path.string()));
    DestroyWindow(window);

    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    file.close();
    std::filesystem::remove(path);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 8),
              (std::vector<unsigned char>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(BigEndian(bytes, 16), 160u);
    EXPECT_EQ(BigEndian(bytes, 20), 90u);
}

}  // namespace
}  // namespace lanvane
