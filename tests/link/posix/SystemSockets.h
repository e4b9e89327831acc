#pragma once

// The system's socket calls, for the loopback peer.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
