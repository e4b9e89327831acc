#pragma once

#include <cstddef>
#include <cstdint>

namespace lanvane {

// The printer channel as the exchanges see it: a serial line, a USB printer device,
// or an in-process simulated printer in tests.
class ByteChannel {
public:
    virtual ~ByteChannel() = default;

    // Waits for one burst of reply bytes and stores at most `capacity` of them.
    // Returns false when nothing arrived; `count` is the number of bytes stored.
    virtual bool Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) = 0;

    // Sends the whole buffer; returns the number of bytes written, 0 on failure.
    virtual std::size_t Write(const std::uint8_t* buffer, std::size_t length) = 0;
};

}  // namespace lanvane
