#pragma once

// The system's socket declarations. The build offers this file as link/SystemSockets.h on
// Windows.
#include <winsock2.h>
#include <ws2tcpip.h>
