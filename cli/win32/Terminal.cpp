#include "cli/Terminal.h"

#include <windows.h>

namespace lanvane::cli {

// Only a console has a mode; a pipe or a file has none.
bool MessagesGoToTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void ShowUtf8Output() {
    SetConsoleOutputCP(CP_UTF8);
}

}  // namespace lanvane::cli
