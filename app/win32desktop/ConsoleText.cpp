#include "app/win32desktop/ConsoleText.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

bool HasConsole(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

bool ReachConsole(bool isError) {
    const DWORD stream = isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    if (HasConsole(stream)) {
        return true;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS) == FALSE) {
        return false;
    }
    return std::freopen("CONOUT$", "w", isError ? stderr : stdout) != nullptr;
}

}  // namespace

void ShowText(const std::string& text, bool isError) {
    if (ReachConsole(isError)) {
        std::fputs(text.c_str(), isError ? stderr : stdout);
        std::fflush(isError ? stderr : stdout);
        return;
    }
    const UINT icon = isError ? UINT{MB_ICONERROR} : UINT{MB_ICONINFORMATION};
    MessageBoxW(nullptr, win32::Utf8ToWide(text).c_str(), L"lanvane", MB_OK | icon);
}

}  // namespace lanvane
