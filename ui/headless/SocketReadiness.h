#pragma once

#include <span>
#include <vector>

#include "ui/SocketHandle.h"

namespace lanvane {

// Which of the sockets have data to read (or are at end of stream or in error), waiting at
// most timeoutMs for the first; all false when none has or the wait failed.
std::vector<bool> ReadableSockets(std::span<const SocketHandle> sockets, int timeoutMs);

}  // namespace lanvane
