#include "link/posix/ExclusiveDevice.h"

#include "link/posix/SystemError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

namespace lanvane::posix {
namespace {

constexpr int kFree = -1;
constexpr int kFilling = -2;

// A device this process holds, with what its close must put back. The descriptor is
// published last and taken back with one compare-and-swap, so that a signal handler and
// a close never both release it.
struct HeldDevice {
    std::atomic<int> fd{kFree};
    bool terminal = false;
    bool settingsKept = false;
    termios settings{};
};

// A program holds one printer device at a time; a few slots leave room for tests.
std::array<HeldDevice, 8> heldDevices;

void Hold(int fd) {
    for (HeldDevice& held : heldDevices) {
        int expected = kFree;
        if (!held.fd.compare_exchange_strong(expected, kFilling)) {
            continue;
        }
        held.terminal = isatty(fd) != 0;
        held.settingsKept = held.terminal && tcgetattr(fd, &held.settings) == 0;
        held.fd.store(fd);
        return;
    }
}

HeldDevice* Find(int fd) {
    for (HeldDevice& held : heldDevices) {
        if (held.fd.load() == fd) {
            return &held;
        }
    }
    return nullptr;
}

// Only calls that are safe in a signal handler.
void PutBack(int fd, const HeldDevice& held) {
    if (held.settingsKept) {
        tcsetattr(fd, TCSANOW, &held.settings);
    }
    // A pseudo-terminal keeps its exclusive mode across closes; leave it open to others.
    if (held.terminal) {
        ioctl(fd, TIOCNXCL);
    }
}

// The kernel keeps a pseudo-terminal's state while its other side is open, the exclusive
// mode too: a holder killed before it could clear the mode would lock out every later open.
bool IsPseudoTerminal(const struct stat& node) {
    constexpr unsigned kFirstSlaveMajor = 136;
    constexpr unsigned kSlaveMajors = 8;
    return S_ISCHR(node.st_mode) && major(node.st_rdev) >= kFirstSlaveMajor &&
           major(node.st_rdev) < kFirstSlaveMajor + kSlaveMajors;
}

LinkError OpenFailure(const std::string& path, int errorNumber) {
    LinkError error = SystemError("open", path, errorNumber);
    struct stat node {};
    if (errorNumber == EBUSY && stat(path.c_str(), &node) == 0 && IsPseudoTerminal(node)) {
        error.reason += ": the pseudo-terminal is in exclusive mode, which a program that was killed while "
                        "holding it leaves behind; if no program uses it, restart the program that serves it";
    }
    return error;
}

}  // namespace

int OpenExclusive(const std::string& path, LinkError& error) {
    // Non-blocking, so that a FIFO cannot hold the open up.
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = OpenFailure(path, errno);
        return -1;
    }
    struct stat node {};
    if (fstat(fd, &node) != 0 || !S_ISCHR(node.st_mode)) {
        close(fd);
        error = LinkError{LinkFailure::NotADevice, "open", path, "not a character device"};
        return -1;
    }
    // The lock keeps out every cooperating open and dies with its holder; TIOCEXCL also
    // keeps out programs that open a serial line without locking. A pseudo-terminal gets
    // the lock alone, and an exclusive mode found on it once the lock is had is stale.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = SystemError("open", path, errno);
        close(fd);
        return -1;
    }
    Hold(fd);
    if (IsPseudoTerminal(node)) {
        ioctl(fd, TIOCNXCL);
    } else if (isatty(fd) != 0 && ioctl(fd, TIOCEXCL) != 0) {
        error = SystemError("open", path, errno);
        CloseExclusive(fd);
        return -1;
    }
    return fd;
}

void CloseExclusive(int fd) {
    HeldDevice* held = Find(fd);
    if (held == nullptr) {
        if (isatty(fd) != 0) {
            ioctl(fd, TIOCNXCL);
        }
        close(fd);
        return;
    }
    PutBack(fd, *held);
    int expected = fd;
    if (held->fd.compare_exchange_strong(expected, kFree)) {
        close(fd);
    }
}

void ReleaseHeldDevices() {
    for (HeldDevice& held : heldDevices) {
        int fd = held.fd.load();
        if (fd >= 0 && held.fd.compare_exchange_strong(fd, kFree)) {
            PutBack(fd, held);
            close(fd);
        }
    }
}

}  // namespace lanvane::posix
