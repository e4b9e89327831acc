#pragma once

#include "link/LinkError.h"

#include <string>

namespace lanvane::win32 {

// The failure of `operation` on `target` that the system reported with `errorCode`
// (GetLastError or WSAGetLastError), with the system's text for it.
LinkError SystemError(std::string operation, std::string target, unsigned long errorCode);

// The same for the calling thread's last error.
LinkError LastSystemError(std::string operation, std::string target);

}  // namespace lanvane::win32
