#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/ReplyFrame.h"

namespace lanvane {

// The printer channel as the exchanges see it: a serial line, a USB printer device,
// or an in-process simulated printer in tests.
class ByteChannel {
public:
    virtual ~ByteChannel() = default;

    // Waits for one burst of reply bytes and stores as many of them as `buffer` holds.
    // Returns false when nothing arrived; `count` is the number of bytes stored.
    virtual bool Read(std::span<std::uint8_t> buffer, std::size_t& count) = 0;

    // Waits for the reply to a request and stores as much of its frame as `buffer` holds:
    // noise before the frame and bytes after it are dropped, and a frame that is not whole
    // after one burst takes the bursts that follow. A reply whose frame never comes whole
    // is stored as it came. Returns false when nothing arrived. This one joins the bursts
    // `Read` gives, for channels whose bursts are already there.
    virtual bool ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count);

    // Sends all the bytes; returns the number of bytes written, 0 on failure.
    virtual std::size_t Write(std::span<const std::uint8_t> bytes) = 0;

    // Bytes dropped so far that belonged to no reply: noise ahead of a frame, bytes after
    // it, and input that was waiting when a request went out.
    virtual std::size_t DroppedBytes() const { return 0; }
};

// Stores the frame found in `bytes` (or, when none is whole, all of them) in `buffer`, cut
// to its size. Returns how many of the bytes were not part of the frame.
std::size_t StoreReplyFrame(ReplyKind kind, std::span<const std::uint8_t> bytes, std::span<std::uint8_t> buffer,
                            std::size_t& count);

}  // namespace lanvane
