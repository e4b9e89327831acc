#pragma once

// The system's socket declarations. The build offers this file as link/SystemSockets.h on
// Windows.
#include <winsock2.h>
#include <ws2tcpip.h>

namespace lanvane::net {

// The type of a socket address's length in the calls that take one.
using SocketLength = int;

}  // namespace lanvane::net
