#pragma once

namespace lanvane {

// The system's handle of an open device and of a socket, as the link backends keep them:
// a HANDLE and a SOCKET, named without <windows.h> so that portable code need not include
// it. Only the backends look inside; everything else passes them along. The build offers
// this file as link/NativeHandle.h on Windows.
using NativeHandle = void*;
using NativeSocket = unsigned long long;
inline constexpr NativeHandle kNoHandle = nullptr;
inline constexpr NativeSocket kNoSocket = ~0ULL;

}  // namespace lanvane
