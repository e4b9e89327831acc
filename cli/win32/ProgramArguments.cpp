#include "cli/ProgramArguments.h"

#include "platform/win32/WideText.h"

#include <windows.h>
#include <shellapi.h>

namespace lanvane::cli {

// argv holds the arguments in the ANSI code page, which loses what it cannot show; the
// wide command line holds them whole.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int index = 0; index < count; ++index) {
        arguments.push_back(win32::WideToUtf8(wide[index]));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace lanvane::cli
