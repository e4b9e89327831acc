#include "sim/posix/DescriptorWriter.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace lanvane::sim {

DescriptorWriter::DescriptorWriter(int fd, Kind kind, const StopSignal& stop)
    : fd_(fd), kind_(kind), stop_(stop) {}

bool DescriptorWriter::SendBursts(const std::vector<ReplyBurst>& bursts) const {
    for (const ReplyBurst& burst : bursts) {
        if (burst.delay.count() > 0 && stop_.WaitFor(burst.delay)) {
            return false;
        }
        if (!WriteAll(burst.bytes)) {
            return false;
        }
    }
    return true;
}

bool DescriptorWriter::WriteAll(const Bytes& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::uint8_t* from = bytes.data() + done;
        const std::size_t left = bytes.size() - done;
        // MSG_NOSIGNAL: a client that hung up must not kill the process with SIGPIPE.
        const ssize_t written = kind_ == Kind::Socket ? send(fd_, from, left, MSG_NOSIGNAL)
                                                      : write(fd_, from, left);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitWritable()) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

bool DescriptorWriter::WaitWritable() const {
    pollfd waited[2] = {{fd_, POLLOUT, 0}, {stop_.Fd(), POLLIN, 0}};
    for (;;) {
        const int result = poll(waited, 2, -1);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        return result > 0 && (waited[1].revents & POLLIN) == 0 && (waited[0].revents & POLLOUT) != 0;
    }
}

}  // namespace lanvane::sim
