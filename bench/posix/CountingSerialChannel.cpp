#include "bench/posix/CountingSerialChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace lanvane::bench {

CountingSerialChannel::CountingSerialChannel(const std::string& path, ReplyEnd end)
    : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)), end_(end) {
    termios settings{};
    if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd_, TCSANOW, &settings);
    }
}

CountingSerialChannel::~CountingSerialChannel() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool CountingSerialChannel::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    return ReadUntil(buffer.data(), buffer.size(), count, ReplyKind::LinkMessage, false);
}

bool CountingSerialChannel::ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) {
    return ReadUntil(buffer.data(), buffer.size(), count, kind, end_ == ReplyEnd::Frame);
}

bool CountingSerialChannel::ReadUntil(std::uint8_t* buffer, std::size_t capacity, std::size_t& count,
                                      ReplyKind kind, bool atFrame) {
    count = 0;
    auto wait = kFirstByteWait;
    while (count < capacity && !(atFrame && count > 0 && FindReplyFrame(kind, {buffer, count}).whole)) {
        pollfd waited{fd_, POLLIN, 0};
        if (poll(&waited, 1, static_cast<int>(wait.count())) <= 0) {
            break;
        }
        const ssize_t got = read(fd_, buffer + count, capacity - count);
        if (got <= 0) {
            break;
        }
        count += static_cast<std::size_t>(got);
        wait = kReplyEnd;
    }
    bytes_ += count;
    replies_ += count > 0 ? 1 : 0;
    return count > 0;
}

std::size_t CountingSerialChannel::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd_, bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            return 0;
        }
        done += static_cast<std::size_t>(written);
    }
    bytes_ += bytes.size();
    return bytes.size();
}

}  // namespace lanvane::bench
