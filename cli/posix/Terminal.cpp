#include "cli/Terminal.h"

#include <unistd.h>

namespace lanvane::cli {

bool MessagesGoToTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

}  // namespace lanvane::cli
