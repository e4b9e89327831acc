#include "sim/StopSignal.h"

#include <fcntl.h>
#include <unistd.h>

namespace lanvane::sim {

StopSignal::StopSignal() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        read_ = fds[0];
        write_ = fds[1];
    }
}

StopSignal::~StopSignal() {
    if (read_ != kNoSocket) {
        close(read_);
        close(write_);
    }
}

void StopSignal::Raise() {
    const char mark = 1;
    if (write_ != kNoSocket) {
        // A full pipe means the signal is already raised.
        [[maybe_unused]] const ssize_t written = write(write_, &mark, 1);
    }
}

}  // namespace lanvane::sim
