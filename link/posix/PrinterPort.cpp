#include "link/PrinterPort.h"

#include "link/LineReadiness.h"

#include "link/posix/ExclusiveDevice.h"
#include "link/posix/PollWait.h"
#include "link/posix/SystemError.h"

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
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

// Sets the printer's line: the given speed, 8 data bits, no parity, one stop bit,
// RTS/CTS handshake, no XON/XOFF, raw bytes.
bool ConfigureSerialLine(int fd, std::uint32_t baudRate) {
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

// Drops whatever waits in the input and output queues.
bool PurgeSerialLine(int fd) {
    return tcflush(fd, TCIOFLUSH) == 0;
}

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

enum class BurstOutcome { Bytes, Nothing, Failed };

// Takes one burst off the line: everything that arrives until the line has been quiet
// for `gap`, up to `burst.size()` bytes.
BurstOutcome TakeBurst(int fd, std::array<std::uint8_t, CPrinterPort::kReadLimit>& burst,
                       std::chrono::milliseconds gap, std::size_t& taken) {
    taken = 0;
    bool failed = false;
    while (taken < burst.size()) {
        const ssize_t got = read(fd, burst.data() + taken, burst.size() - taken);
        if (got > 0) {
            taken += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EAGAIN && errno != EINTR) {
            failed = true;
            break;
        }
        if (posix::WaitForReadable(fd, gap) != WaitResult::Ready) {
            break;
        }
    }
    if (taken > 0) {
        return BurstOutcome::Bytes;
    }
    return failed ? BurstOutcome::Failed : BurstOutcome::Nothing;
}

// At most this many reads of kReadLimit bytes drop waiting input at an open, so that a
// device that never runs dry cannot hold the open up.
constexpr int kDiscardReads = 16;

// Input that waited before the open belongs to an earlier command (a late reply to an
// interrupted one); it must not pass for the answer to this one.
void DiscardWaitingInput(int fd) {
    if (isatty(fd) != 0) {
        tcflush(fd, TCIFLUSH);
    }
    std::array<std::uint8_t, CPrinterPort::kReadLimit> scrap{};
    for (int reads = 0; reads < kDiscardReads && read(fd, scrap.data(), scrap.size()) > 0; ++reads) {
    }
}

}  // namespace

bool CPrinterPort::OpenComPort() {
    const int fd = posix::OpenExclusive(portName_, lastError_);
    if (fd < 0) {
        return false;
    }
    if (!ConfigureSerialLine(fd, baudRate_)) {
        lastError_ = posix::SystemError("open", portName_, errno);
    } else if (!modemLines_->ClearDtr(fd)) {
        Fail(LinkFailure::NotADevice, "open", "it has no modem lines, so it is no serial port");
    } else if (lastError_ = CheckLineReady(*modemLines_, fd, portName_); !lastError_.Failed()) {
        if (PurgeSerialLine(fd)) {
            handle_ = fd;
            return true;
        }
        lastError_ = posix::SystemError("open", portName_, errno);
    }
    posix::CloseExclusive(fd);
    return false;
}

bool CPrinterPort::OpenUsbDevice() {
    handle_ = posix::OpenExclusive(portName_, lastError_);
    if (handle_ == kNoHandle) {
        return false;
    }
    DiscardWaitingInput(handle_);
    return true;
}

void CPrinterPort::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (!usbDevice_) {
        modemLines_->ClearDtr(handle_);
        PurgeSerialLine(handle_);
    }
    ReleaseDevice();
}

void CPrinterPort::ReleaseDevice() {
    if (handle_ != kNoHandle) {
        posix::CloseExclusive(handle_);
        handle_ = kNoHandle;
    }
}

bool CPrinterPort::Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    if (!open_) {
        Fail(LinkFailure::IoError, "read", "the port is not open");
        return false;
    }
    std::array<std::uint8_t, kReadLimit> burst{};
    for (int attempt = 0; attempt < timings_.attempts; ++attempt) {
        const WaitResult waited = posix::WaitForReadable(handle_, timings_.attemptWait);
        if (waited == WaitResult::Failed) {
            Fail(LinkFailure::IoError, "read", "the device reported an error or hung up");
            return false;
        }
        if (waited == WaitResult::TimedOut) {
            continue;
        }
        std::size_t taken = 0;
        const BurstOutcome outcome = TakeBurst(handle_, burst, timings_.burstGap, taken);
        if (outcome == BurstOutcome::Failed) {
            lastError_ = posix::SystemError("read", portName_, errno);
            return false;
        }
        if (outcome == BurstOutcome::Bytes) {
            count = std::min(taken, capacity);
            std::copy_n(burst.data(), count, buffer);
            return count > 0;
        }
    }
    Fail(LinkFailure::TimedOut, "read", "no reply");
    return false;
}

std::size_t CPrinterPort::Write(const std::uint8_t* buffer, std::size_t length) {
    if (!open_) {
        Fail(LinkFailure::IoError, "write", "the port is not open");
        return 0;
    }
    const auto deadline = std::chrono::steady_clock::now() + WriteLimit(length);
    std::size_t written = 0;
    while (written < length) {
        const ssize_t put = write(handle_, buffer + written, length - written);
        if (put > 0) {
            written += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            lastError_ = posix::SystemError("write", portName_, errno);
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const WaitResult waited = left.count() > 0 ? posix::WaitForWritable(handle_, left) : WaitResult::TimedOut;
        if (waited != WaitResult::Ready) {
            Fail(waited == WaitResult::TimedOut ? LinkFailure::TimedOut : LinkFailure::IoError, "write",
                 waited == WaitResult::TimedOut ? "the device did not take the data in time"
                                                : "the device reported an error or hung up");
            break;
        }
    }
    return written;
}

std::unique_ptr<ModemLines> MakeSystemModemLines() {
    return std::make_unique<SystemModemLines>();
}

}  // namespace lanvane
