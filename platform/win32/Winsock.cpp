#include "platform/win32/Winsock.h"

#include <winsock2.h>

namespace lanvane::win32 {

bool StartWinsock() {
    // Winsock stays up until the program ends; the system cleans it up then.
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

}  // namespace lanvane::win32
