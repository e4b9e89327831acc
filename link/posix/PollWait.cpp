#include "link/posix/PollWait.h"

#include <poll.h>

#include <cerrno>

namespace lanvane::posix {
namespace {

int RemainingMilliseconds(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Polls for one event, resuming after signals until the deadline.
WaitResult WaitFor(int fd, short event, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    pollfd entry{fd, event, 0};
    for (;;) {
        const int ready = poll(&entry, 1, RemainingMilliseconds(deadline));
        if (ready > 0) {
            return (entry.revents & event) != 0 ? WaitResult::Ready : WaitResult::Failed;
        }
        if (ready == 0) {
            return WaitResult::TimedOut;
        }
        if (errno != EINTR) {
            return WaitResult::Failed;
        }
    }
}

}  // namespace

WaitResult WaitForReadable(int fd, std::chrono::milliseconds timeout) {
    return WaitFor(fd, POLLIN, timeout);
}

WaitResult WaitForWritable(int fd, std::chrono::milliseconds timeout) {
    return WaitFor(fd, POLLOUT, timeout);
}

}  // namespace lanvane::posix
