#pragma once

#include "link/NativeHandle.h"

#include <chrono>

namespace lanvane::win32 {

// Sets whether calls on the socket wait; false when the system refused.
bool SetBlocking(NativeSocket socket, bool blocking);

enum class SocketWait { Ready, TimedOut, Failed };

// Waits until the socket has data to read (or its connect has ended, for `writable`).
SocketWait WaitForSocket(NativeSocket socket, bool writable, std::chrono::milliseconds timeout);

}  // namespace lanvane::win32
