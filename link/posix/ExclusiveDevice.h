#pragma once

#include "link/LinkError.h"

#include <string>

namespace lanvane::posix {

// Opens a character device for reading and writing, non-blocking, for this process alone:
// a device that another open (here or in another program) holds cannot be had. Anything
// that is not a character device (a regular file, a FIFO, a directory) is refused before
// a byte could be written to it. The line settings of a terminal are kept for the close.
// Returns the descriptor, or -1 with `error` telling why.
int OpenExclusive(const std::string& path, LinkError& error);

// Gives the device up again so that the next open can have it: the line settings found
// at the open come back, the exclusive mode ends, the descriptor closes.
void CloseExclusive(int fd);

// Gives up every device still held, as CloseExclusive does. Safe inside a signal handler,
// so that an interrupted program leaves no device locked or changed.
void ReleaseHeldDevices();

}  // namespace lanvane::posix
