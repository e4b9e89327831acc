#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "protocol/ByteChannel.h"

namespace lanvane::bench {

// The least a client needs to talk to a printer on a serial line: the device opened raw,
// whole writes, and a reply read as one burst that ends when the line has been quiet for
// the printer channel's 100 ms. Counts the bytes both ways and the replies, from which the
// floor of a job follows.
class CountingSerialChannel : public ByteChannel {
public:
    static constexpr std::chrono::milliseconds kReplyEnd{100};
    static constexpr std::chrono::milliseconds kFirstByteWait{3000};

    explicit CountingSerialChannel(const std::string& path);
    ~CountingSerialChannel() override;
    CountingSerialChannel(const CountingSerialChannel&) = delete;
    CountingSerialChannel& operator=(const CountingSerialChannel&) = delete;

    bool Open() const { return fd_ >= 0; }
    bool Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) override;
    std::size_t Write(const std::uint8_t* buffer, std::size_t length) override;

    std::size_t BytesOnTheWire() const { return bytes_; }
    int Replies() const { return replies_; }

private:
    int fd_ = -1;
    std::size_t bytes_ = 0;
    int replies_ = 0;
};

}  // namespace lanvane::bench
