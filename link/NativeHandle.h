#pragma once

namespace lanvane {

// The operating system's handle of an open device and of a socket, as the link backends
// keep them. Only the backends look inside; everything else passes them along.
#ifdef _WIN32
using NativeHandle = void*;
using NativeSocket = unsigned long long;
inline constexpr NativeHandle kNoHandle = nullptr;
inline constexpr NativeSocket kNoSocket = ~0ULL;
#else
using NativeHandle = int;
using NativeSocket = int;
inline constexpr NativeHandle kNoHandle = -1;
inline constexpr NativeSocket kNoSocket = -1;
#endif

}  // namespace lanvane
