#pragma once

namespace lanvane::posix {

// Gives the socket a receive buffer of `size` bytes, or the most the system's limit allows;
// each system has its own way past that limit for a program allowed to pass it (linux/).
void EnlargeReceiveBuffer(int socket, int size);

}  // namespace lanvane::posix
