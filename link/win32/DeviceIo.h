#pragma once

#include "link/NativeHandle.h"
#include "link/win32/ExclusiveDevice.h"

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace lanvane::win32 {

// What one bounded transfer moved, and the system's error code when it failed (0 when it
// did not; running out of time is no error).
struct IoResult {
    std::size_t bytes = 0;
    unsigned long error = 0;
};

// Waits at most `wait` for input and returns as soon as some has come, with at most
// `capacity` bytes of it. A serial port waits through its own read time-outs, other
// devices through overlapped I/O that is cancelled when the wait runs out.
IoResult ReadWithin(NativeHandle handle, DeviceIo io, std::uint8_t* buffer, std::size_t capacity,
                    std::chrono::milliseconds wait);

// Writes until everything is taken or `limit` has passed.
IoResult WriteWithin(NativeHandle handle, DeviceIo io, const std::uint8_t* data, std::size_t length,
                     std::chrono::milliseconds limit);

}  // namespace lanvane::win32
