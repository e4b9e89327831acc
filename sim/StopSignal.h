#pragma once

#include <chrono>

#include "link/NativeHandle.h"

namespace lanvane::sim {

// Wakes a server thread out of its wait: a handle that turns readable on Raise() and stays
// so (a pipe on POSIX systems, a loopback datagram socket on Windows).
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    bool Valid() const { return read_ != kNoSocket; }
    NativeSocket Fd() const { return read_; }
    void Raise();
    // Waits up to `duration`; true when the signal was raised meanwhile.
    bool WaitFor(std::chrono::milliseconds duration) const;

private:
    NativeSocket read_ = kNoSocket;
    NativeSocket write_ = kNoSocket;
};

}  // namespace lanvane::sim
