#pragma once

#include <chrono>

namespace lanvane::sim {

// Wakes a server thread out of poll(): a pipe whose read end turns readable on Raise().
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    bool Valid() const { return readFd_ >= 0; }
    int Fd() const { return readFd_; }
    void Raise();
    // Waits up to `duration`; true when the signal was raised meanwhile.
    bool WaitFor(std::chrono::milliseconds duration) const;

private:
    int readFd_ = -1;
    int writeFd_ = -1;
};

}  // namespace lanvane::sim
