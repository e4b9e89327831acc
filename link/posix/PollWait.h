#pragma once

#include <chrono>

namespace lanvane::posix {

enum class WaitResult { Ready, TimedOut, Failed };

// Waits until the descriptor has data (or end of stream) to read. Failed when the
// device reports an error or a hang-up with nothing left to read.
WaitResult WaitForReadable(int fd, std::chrono::milliseconds timeout);

// Waits until the descriptor takes more output. Failed on an error or a hang-up.
WaitResult WaitForWritable(int fd, std::chrono::milliseconds timeout);

}  // namespace lanvane::posix
