#pragma once

#include "link/NativeHandle.h"

namespace lanvane::sim {

// Starts the socket library once for the process (it stays up until the process ends);
// false when it cannot start.
bool StartWinsock();

bool MakeNonBlocking(NativeSocket socket);

}  // namespace lanvane::sim
