#include "cli/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace lanvane::cli {

bool HoldClosedStandardStreams() {
    bool outputClosed = false;
    // Lowest first: open() takes the lowest free descriptor, the one found closed.
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        outputClosed = outputClosed || stream == STDOUT_FILENO;
        const int held = open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (held != stream && held >= 0) {
            close(held);
        }
    }
    return outputClosed;
}

}  // namespace lanvane::cli
