#include "cli/Terminal.h"

#include <unistd.h>

namespace lanvane::cli {

bool MessagesGoToTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

// Terminals take the locale's encoding, which is UTF-8 wherever the program's texts can show.
void ShowUtf8Output() {}

}  // namespace lanvane::cli
