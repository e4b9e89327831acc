#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// What the printer port needs of the operating system. Each backend implements these over
// its own calls; the port's sequence of opening, reading and writing is portable.
namespace lanvane::port {

enum class DeviceKind { Serial, Usb };

// What one bounded transfer moved, and why it failed. Running out of time is no failure.
struct Transfer {
    std::size_t bytes = 0;
    LinkError error;
};

// Opens the named device for this process alone. Returns kNoHandle with `error` telling why.
NativeHandle OpenDevice(const std::string& name, DeviceKind kind, LinkError& error);
// Gives the device up again, with the line settings found at the open.
void CloseDevice(NativeHandle handle);

// Sets the printer's line: the given speed, 8 data bits, no parity, one stop bit, RTS/CTS
// handshake, DTR off, no XON/XOFF, raw bytes.
LinkError ConfigureSerialLine(NativeHandle handle, std::uint32_t baudRate, const std::string& portName);
// Drops whatever waits in the input and output queues.
LinkError PurgeSerialLine(NativeHandle handle, const std::string& portName);

// Drops the input that waits now, without waiting. Returns how many bytes it held (as far
// as the device can tell; a device that never runs dry is left after a bounded number).
std::size_t DropWaitingInput(NativeHandle handle, DeviceKind kind);

// Whether the reply is whole once the burst under way has brought `burstBytes` bytes.
using ReplyWhole = std::function<bool(std::size_t burstBytes)>;

// Waits at most `firstWait` for input, then takes one burst of it: everything that arrives
// until the line has been quiet for `gap` or `whole` says the reply is complete, up to
// `capacity` bytes. Bytes that came in the same transfer as the reply's end are kept too.
Transfer ReadBurst(NativeHandle handle, DeviceKind kind, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds firstWait, std::chrono::milliseconds gap, const ReplyWhole& whole,
                   const std::string& portName);
// Writes until everything is taken or `limit` has passed; fewer bytes and no error when time ran out.
Transfer WriteWithin(NativeHandle handle, DeviceKind kind, const std::uint8_t* data, std::size_t length,
                     std::chrono::milliseconds limit, const std::string& portName);

}  // namespace lanvane::port
