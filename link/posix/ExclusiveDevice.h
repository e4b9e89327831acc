#pragma once

#include <string>

namespace lanvane::posix {

// Opens a device for reading and writing, non-blocking, for this process alone: a device
// that another open (here or in another program) holds cannot be had. Returns the
// descriptor, or -1.
int OpenExclusive(const std::string& path);

// Gives the device up again so that the next open can have it.
void CloseExclusive(int fd);

}  // namespace lanvane::posix
