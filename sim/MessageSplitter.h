#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "sim/Bytes.h"

namespace lanvane::sim {

enum class MessageKind { Identification, Attention, Link };

struct PrinterMessage {
    MessageKind kind;
    Bytes bytes;  // the whole message, prefix and terminator included
};

// Cuts the byte stream the printer receives into whole messages. Link and attention
// messages both end at the first 0x03 (hex text never holds one); the attention message
// is the 7-byte one with 0x1D at offset 4. Bytes that start no message are dropped.
class MessageSplitter {
public:
    // A prefix that finds no terminator within this many bytes is dropped.
    static constexpr std::size_t kLongestMessage = 16384;

    void Feed(const std::uint8_t* data, std::size_t length);
    std::optional<PrinterMessage> Next();
    std::size_t PendingBytes() const { return buffer_.size(); }

private:
    enum class Start { Identification, Prefixed, Partial, None };

    Start ClassifyStart() const;
    std::optional<PrinterMessage> TakePrefixed();
    PrinterMessage Take(MessageKind kind, std::size_t length);

    Bytes buffer_;
};

}  // namespace lanvane::sim
