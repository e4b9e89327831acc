#pragma once

// The system's socket calls, for the loopback peer.
#include <winsock2.h>
