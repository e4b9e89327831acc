#pragma once

#include <cstdint>

namespace lanvane::posix {

// Sets the printer's line: the given speed, 8 data bits, no parity, one stop bit,
// RTS/CTS handshake, no XON/XOFF, raw bytes.
bool ConfigureSerialLine(int fd, std::uint32_t baudRate);

// Drops whatever waits in the input and output queues.
bool PurgeSerialLine(int fd);

}  // namespace lanvane::posix
