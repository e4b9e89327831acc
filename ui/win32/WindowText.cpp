#include "ui/win32/WindowText.h"

#include "platform/win32/WideText.h"

namespace lanvane {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return win32::WideToUtf8(text);
}

}  // namespace lanvane
