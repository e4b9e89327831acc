#include "app/win32desktop/Win32Demo.h"

namespace lanvane {

// This build carries no simulated printers; lanvane.exe --demo says so and ends.
std::unique_ptr<Win32Demo> MakeWin32Demo() {
    return nullptr;
}

}  // namespace lanvane
