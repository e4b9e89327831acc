#pragma once

#include "link/NativeHandle.h"
#include "link/PortDevice.h"
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

// Waits at most `firstWait` for input, then takes one burst of it: everything that arrives
// until the line has been quiet for `gap` or `whole` says the reply is complete, up to
// `capacity` bytes.
IoResult ReadBurst(NativeHandle handle, DeviceIo io, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds firstWait, std::chrono::milliseconds gap, const port::ReplyWhole& whole);

// Drops the input that waits on a serial port now. Returns how many bytes it held.
IoResult DropSerialInput(NativeHandle handle);

// Takes whatever input waits now, up to `capacity` bytes, without waiting (overlapped I/O).
IoResult ReadWaiting(NativeHandle handle, std::uint8_t* buffer, std::size_t capacity);

// Writes until everything is taken or `limit` has passed.
IoResult WriteWithin(NativeHandle handle, DeviceIo io, const std::uint8_t* data, std::size_t length,
                     std::chrono::milliseconds limit);

}  // namespace lanvane::win32
