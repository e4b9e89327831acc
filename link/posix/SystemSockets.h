#pragma once

// The system's socket declarations. The build offers this file as link/SystemSockets.h on
// POSIX systems.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace lanvane::net {

// The type of a socket address's length in the calls that take one.
using SocketLength = socklen_t;

}  // namespace lanvane::net
