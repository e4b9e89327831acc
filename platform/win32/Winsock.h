#pragma once

namespace lanvane::win32 {

// Starts Winsock 2 for the program, once; every socket is made after this. False when the
// system could not start it.
bool StartWinsock();

}  // namespace lanvane::win32
