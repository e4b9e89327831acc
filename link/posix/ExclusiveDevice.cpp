#include "link/posix/ExclusiveDevice.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace lanvane::posix {

int OpenExclusive(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    // The lock keeps out every cooperating open; TIOCEXCL also keeps out programs that
    // open a terminal without locking.
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (!locked || (isatty(fd) != 0 && ioctl(fd, TIOCEXCL) != 0)) {
        close(fd);
        return -1;
    }
    return fd;
}

void CloseExclusive(int fd) {
    // A pseudo-terminal keeps its exclusive mode across closes; leave it open to others.
    if (isatty(fd) != 0) {
        ioctl(fd, TIOCNXCL);
    }
    close(fd);
}

}  // namespace lanvane::posix
