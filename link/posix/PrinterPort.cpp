#include "link/PrinterPort.h"

#include "link/posix/ExclusiveDevice.h"
#include "link/posix/PollWait.h"
#include "link/posix/SerialLine.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>

namespace lanvane {

using posix::WaitResult;

namespace {

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

}  // namespace

bool CPrinterPort::OpenComPort() {
    const int fd = posix::OpenExclusive(portName_);
    if (fd < 0) {
        return false;
    }
    bool cts = false;
    bool dsr = false;
    const bool ready = posix::ConfigureSerialLine(fd, baudRate_) && modemLines_->ClearDtr(fd) &&
                       modemLines_->ReadCtsDsr(fd, cts, dsr) && cts && dsr &&
                       posix::PurgeSerialLine(fd);
    if (!ready) {
        posix::CloseExclusive(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

bool CPrinterPort::OpenUsbDevice() {
    handle_ = posix::OpenExclusive(portName_);
    return handle_ != kNoHandle;
}

void CPrinterPort::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (!usbDevice_) {
        modemLines_->ClearDtr(handle_);
        posix::PurgeSerialLine(handle_);
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
        return false;
    }
    std::array<std::uint8_t, kReadLimit> burst{};
    for (int attempt = 0; attempt < timings_.attempts; ++attempt) {
        const WaitResult waited = posix::WaitForReadable(handle_, timings_.attemptWait);
        if (waited == WaitResult::Failed) {
            return false;
        }
        if (waited == WaitResult::TimedOut) {
            continue;
        }
        std::size_t taken = 0;
        const BurstOutcome outcome = TakeBurst(handle_, burst, timings_.burstGap, taken);
        if (outcome == BurstOutcome::Failed) {
            return false;
        }
        if (outcome == BurstOutcome::Bytes) {
            count = std::min(taken, capacity);
            std::copy_n(burst.data(), count, buffer);
            return count > 0;
        }
    }
    return false;
}

std::size_t CPrinterPort::Write(const std::uint8_t* buffer, std::size_t length) {
    if (!open_) {
        return 0;
    }
    using Rep = std::chrono::milliseconds::rep;
    const auto deadline = std::chrono::steady_clock::now() + timings_.writeConstant +
                          timings_.writePerByte * static_cast<Rep>(length);
    std::size_t written = 0;
    while (written < length) {
        const ssize_t put = write(handle_, buffer + written, length - written);
        if (put > 0) {
            written += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || posix::WaitForWritable(handle_, left) != WaitResult::Ready) {
            break;
        }
    }
    return written;
}

}  // namespace lanvane
