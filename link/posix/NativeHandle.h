#pragma once

namespace lanvane {

// The system's handle of an open device and of a socket, as the link backends keep them:
// file descriptors here. Only the backends look inside; everything else passes them along.
// The build offers this file as link/NativeHandle.h on POSIX systems.
using NativeHandle = int;
using NativeSocket = int;
inline constexpr NativeHandle kNoHandle = -1;
inline constexpr NativeSocket kNoSocket = -1;

}  // namespace lanvane
