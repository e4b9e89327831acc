#include "link/PortDevice.h"

#include "link/PrinterPort.h"
#include "link/posix/ExclusiveDevice.h"
#include "link/posix/PollWait.h"
#include "link/posix/SystemError.h"

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

namespace lanvane {

using posix::WaitResult;

namespace {

bool SpeedFor(std::uint32_t baudRate, speed_t& speed) {
    static constexpr std::array<std::pair<std::uint32_t, speed_t>, 6> kSpeeds{{
        {9600, B9600}, {19200, B19200}, {38400, B38400},
        {57600, B57600}, {115200, B115200}, {230400, B230400},
    }};
    for (const auto& [rate, code] : kSpeeds) {
        if (rate == baudRate) {
            speed = code;
            return true;
        }
    }
    return false;
}

bool SetLine(int fd, std::uint32_t baudRate) {
    speed_t speed = B0;
    termios line{};
    if (!SpeedFor(baudRate, speed) || tcgetattr(fd, &line) != 0) {
        return false;
    }
    cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    line.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    return cfsetispeed(&line, speed) == 0 && cfsetospeed(&line, speed) == 0 &&
           tcsetattr(fd, TCSANOW, &line) == 0;
}

// At most this many reads of kReadLimit bytes drop waiting input, so that a device that
// never runs dry cannot hold a request up.
constexpr int kDropReads = 16;

class SystemModemLines final : public ModemLines {
public:
    bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) override {
        int status = 0;
        if (ioctl(handle, TIOCMGET, &status) != 0) {
            return false;
        }
        cts = (status & TIOCM_CTS) != 0;
        dsr = (status & TIOCM_DSR) != 0;
        return true;
    }

    bool ClearDtr(NativeHandle handle) override {
        int dtr = TIOCM_DTR;
        return ioctl(handle, TIOCMBIC, &dtr) == 0;
    }
};

// Takes everything that arrives until the line has been quiet for `gap` or the reply is
// whole, up to `capacity` bytes.
port::Transfer TakeBurst(int fd, std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds gap,
                         const port::ReplyWhole& whole, const std::string& portName) {
    port::Transfer burst;
    while (burst.bytes < capacity) {
        const ssize_t got = read(fd, buffer + burst.bytes, capacity - burst.bytes);
        if (got > 0) {
            burst.bytes += static_cast<std::size_t>(got);
            if (whole(burst.bytes)) {
                break;
            }
        } else if (got == 0) {
            break;
        } else if (errno != EAGAIN && errno != EINTR) {
            // Bytes that came before the failure are still the reply.
            if (burst.bytes == 0) {
                burst.error = posix::SystemError("read", portName, errno);
            }
            break;
        }
        if (posix::WaitForReadable(fd, gap) != WaitResult::Ready) {
            break;
        }
    }
    return burst;
}

}  // namespace

std::unique_ptr<ModemLines> MakeSystemModemLines() {
    return std::make_unique<SystemModemLines>();
}

namespace port {

NativeHandle OpenDevice(const std::string& name, DeviceKind, LinkError& error) {
    return posix::OpenExclusive(name, error);
}

void CloseDevice(NativeHandle handle) {
    posix::CloseExclusive(handle);
}

LinkError ConfigureSerialLine(NativeHandle handle, std::uint32_t baudRate, const std::string& portName) {
    return SetLine(handle, baudRate) ? LinkError{} : posix::SystemError("open", portName, errno);
}

LinkError PurgeSerialLine(NativeHandle handle, const std::string& portName) {
    return tcflush(handle, TCIOFLUSH) == 0 ? LinkError{} : posix::SystemError("open", portName, errno);
}

std::size_t DropWaitingInput(NativeHandle handle, DeviceKind) {
    // A terminal drops its whole input queue at once, after telling its size.
    if (isatty(handle) != 0) {
        int waiting = 0;
        ioctl(handle, FIONREAD, &waiting);
        tcflush(handle, TCIFLUSH);
        return static_cast<std::size_t>(std::max(waiting, 0));
    }
    std::array<std::uint8_t, CPrinterPort::kReadLimit> scrap{};
    std::size_t dropped = 0;
    for (int reads = 0; reads < kDropReads; ++reads) {
        const ssize_t got = read(handle, scrap.data(), scrap.size());
        if (got <= 0) {
            break;
        }
        dropped += static_cast<std::size_t>(got);
    }
    return dropped;
}

Transfer ReadBurst(NativeHandle handle, DeviceKind, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds firstWait, std::chrono::milliseconds gap, const ReplyWhole& whole,
                   const std::string& portName) {
    const WaitResult waited = posix::WaitForReadable(handle, firstWait);
    if (waited == WaitResult::Failed) {
        return {0, {LinkFailure::IoError, "read", portName, "the device reported an error or hung up"}};
    }
    if (waited == WaitResult::TimedOut) {
        return {};
    }
    return TakeBurst(handle, buffer, capacity, gap, whole, portName);
}

Transfer WriteWithin(NativeHandle handle, DeviceKind, const std::uint8_t* data, std::size_t length,
                     std::chrono::milliseconds limit, const std::string& portName) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    Transfer put;
    while (put.bytes < length) {
        const ssize_t wrote = write(handle, data + put.bytes, length - put.bytes);
        if (wrote > 0) {
            put.bytes += static_cast<std::size_t>(wrote);
            continue;
        }
        if (wrote < 0 && errno != EAGAIN && errno != EINTR) {
            put.error = posix::SystemError("write", portName, errno);
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const WaitResult waited = left.count() > 0 ? posix::WaitForWritable(handle, left) : WaitResult::TimedOut;
        if (waited == WaitResult::Failed) {
            put.error = {LinkFailure::IoError, "write", portName, "the device reported an error or hung up"};
        }
        if (waited != WaitResult::Ready) {
            break;
        }
    }
    return put;
}

}  // namespace port
}  // namespace lanvane
