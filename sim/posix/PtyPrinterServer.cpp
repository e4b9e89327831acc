#include "sim/posix/PtyPrinterServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>

#include "sim/posix/DescriptorWriter.h"

namespace lanvane::sim {
namespace {

constexpr std::size_t kReadChunk = 4096;
// Pause before polling again while the terminal reports a hang-up.
constexpr std::chrono::milliseconds kHangUpPause{20};
constexpr std::chrono::milliseconds kDrainPoll{10};
constexpr std::chrono::milliseconds kLastReplyLimit{1000};

}  // namespace

PtyPrinterServer::PtyPrinterServer(SimulatedPrinter& printer) : printer_(printer) {}

PtyPrinterServer::~PtyPrinterServer() { Stop(); }

bool PtyPrinterServer::Start(const std::string& linkPath) {
    if (thread_.joinable() || !stop_.Valid() || !OpenTerminal()) {
        return false;
    }
    if (!linkPath.empty() && !PlaceLink(linkPath)) {
        CloseTerminal();
        return false;
    }
    serving_ = true;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void PtyPrinterServer::Stop() {
    stop_.Raise();
    if (thread_.joinable()) {
        thread_.join();
    }
    CloseTerminal();
    if (!linkPath_.empty()) {
        unlink(linkPath_.c_str());
        linkPath_.clear();
    }
}

bool PtyPrinterServer::OpenTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    std::array<char, 128> name{};
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name.data(), name.size()) != 0) {
        CloseTerminal();
        return false;
    }
    devicePath_ = name.data();
    slave_ = open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios settings{};
    if (slave_ < 0 || tcgetattr(slave_, &settings) != 0) {
        CloseTerminal();
        return false;
    }
    cfmakeraw(&settings);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) {
        CloseTerminal();
        return false;
    }
    return true;
}

bool PtyPrinterServer::PlaceLink(const std::string& linkPath) {
    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode) || unlink(linkPath.c_str()) != 0) {
            return false;
        }
    }
    if (symlink(devicePath_.c_str(), linkPath.c_str()) != 0) {
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyPrinterServer::Serve() {
    for (;;) {
        pollfd waited[2] = {{master_, POLLIN, 0}, {stop_.Fd(), POLLIN, 0}};
        if (poll(waited, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if ((waited[1].revents & POLLIN) != 0) {
            break;
        }
        if ((waited[0].revents & POLLIN) != 0) {
            if (!TakeInput()) {
                break;
            }
        } else if ((waited[0].revents & (POLLHUP | POLLERR)) != 0 && stop_.WaitFor(kHangUpPause)) {
            break;
        }
    }
    serving_ = false;
    if (printer_.Disconnected()) {
        AwaitLastReplyTaken();
        CloseTerminal();
    }
}

void PtyPrinterServer::AwaitLastReplyTaken() {
    // A hang-up discards what the client has not read yet, so the last reply must be taken
    // first; a client that never reads is hung up on after kLastReplyLimit all the same.
    const auto deadline = std::chrono::steady_clock::now() + kLastReplyLimit;
    int emptyChecks = 0;
    while (emptyChecks < 2 && std::chrono::steady_clock::now() < deadline) {
        if (stop_.WaitFor(kDrainPoll)) {
            return;
        }
        int waiting = 0;
        const bool empty = ioctl(slave_, TIOCINQ, &waiting) == 0 && waiting == 0;
        emptyChecks = empty ? emptyChecks + 1 : 0;
    }
}

bool PtyPrinterServer::TakeInput() {
    std::array<std::uint8_t, kReadChunk> buffer{};
    const ssize_t received = read(master_, buffer.data(), buffer.size());
    if (received < 0 && errno == EIO) {
        return !stop_.WaitFor(kHangUpPause);
    }
    if (received <= 0) {
        return received < 0 && (errno == EAGAIN || errno == EINTR);
    }
    if (stop_.WaitFor(WireTime(static_cast<std::size_t>(received)))) {
        return false;
    }
    auto bursts = printer_.Receive(buffer.data(), static_cast<std::size_t>(received));
    for (ReplyBurst& burst : bursts) {
        burst.delay += WireTime(burst.bytes.size());
    }
    const DescriptorWriter writer(master_, DescriptorWriter::Kind::Terminal, stop_);
    return writer.SendBursts(bursts) && !printer_.Disconnected();
}

std::chrono::milliseconds PtyPrinterServer::WireTime(std::size_t bytes) const {
    if (baud_ <= 0) {
        return std::chrono::milliseconds{0};
    }
    constexpr std::size_t kBitsPerByte = 10;
    const double seconds = static_cast<double>(bytes * kBitsPerByte) / baud_;
    return std::chrono::round<std::chrono::milliseconds>(std::chrono::duration<double>(seconds));
}

void PtyPrinterServer::CloseTerminal() {
    if (slave_ >= 0) {
        close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}

}  // namespace lanvane::sim
