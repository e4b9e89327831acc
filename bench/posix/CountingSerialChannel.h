#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "protocol/ByteChannel.h"

namespace lanvane::bench {

// How the minimal client notices that a reply has ended.
enum class ReplyEnd {
    Silence,  // when the line has been quiet for the classic 100 ms
    Frame,    // the moment the reply's own end (0x03, or the NUL after the maker name) arrives
};

// The least a client needs to talk to a printer on a serial line: the device opened raw,
// whole writes, and a reply read as one burst that ends as `ReplyEnd` says. Counts the
// bytes both ways and the replies, from which the floor of a job follows.
class CountingSerialChannel : public ByteChannel {
public:
    static constexpr std::chrono::milliseconds kReplyEnd{100};
    static constexpr std::chrono::milliseconds kFirstByteWait{3000};

    CountingSerialChannel(const std::string& path, ReplyEnd end);
    ~CountingSerialChannel() override;
    CountingSerialChannel(const CountingSerialChannel&) = delete;
    CountingSerialChannel& operator=(const CountingSerialChannel&) = delete;

    bool Open() const { return fd_ >= 0; }
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    bool ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;

    std::size_t BytesOnTheWire() const { return bytes_; }
    int Replies() const { return replies_; }

private:
    bool ReadUntil(std::uint8_t* buffer, std::size_t capacity, std::size_t& count, ReplyKind kind, bool atFrame);

    int fd_ = -1;
    ReplyEnd end_;
    std::size_t bytes_ = 0;
    int replies_ = 0;
};

}  // namespace lanvane::bench
