#pragma once

#include <concepts>
#include <cstdint>

namespace lanvane {

// The system's handle of a socket a dialog watches, passed through the dialog layer
// unchanged: a file descriptor (int) on POSIX systems, a SOCKET (a 64-bit unsigned value)
// on Windows. Any integer converts to it and back without loss, so portable code hands
// over whatever its socket layer gives, and only a backend names the system's type.
class SocketHandle {
public:
    template <std::integral Native>
    constexpr SocketHandle(Native native)
        : value_(static_cast<std::uint64_t>(native)) {}

    template <std::integral Native>
    constexpr Native As() const {
        return static_cast<Native>(value_);
    }

    friend constexpr bool operator==(SocketHandle, SocketHandle) = default;

private:
    std::uint64_t value_;
};

}  // namespace lanvane
