#include "cli/StandardStreams.h"

#include <windows.h>

namespace lanvane::cli {

// Windows gives an opened device a new handle, never a standard stream's: nothing needs
// holding, a missing output is only told.
bool HoldClosedStandardStreams() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output == nullptr || output == INVALID_HANDLE_VALUE;
}

}  // namespace lanvane::cli
