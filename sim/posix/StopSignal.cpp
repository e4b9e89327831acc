#include "sim/posix/StopSignal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace lanvane::sim {

StopSignal::StopSignal() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        readFd_ = fds[0];
        writeFd_ = fds[1];
    }
}

StopSignal::~StopSignal() {
    if (readFd_ >= 0) {
        close(readFd_);
        close(writeFd_);
    }
}

void StopSignal::Raise() {
    const char mark = 1;
    if (writeFd_ >= 0) {
        // A full pipe means the signal is already raised.
        [[maybe_unused]] const ssize_t written = write(writeFd_, &mark, 1);
    }
}

bool StopSignal::WaitFor(std::chrono::milliseconds duration) const {
    pollfd waited{readFd_, POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int result = poll(&waited, 1, static_cast<int>(std::max<long long>(0, left.count())));
        if (result >= 0 || errno != EINTR) {
            return result > 0;
        }
    }
}

}  // namespace lanvane::sim
