#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/ByteChannel.h"
#include "protocol/ExchangeBuffers.h"

namespace lanvane {

// Closes tag and payload into a tag frame in the staging buffer and wraps it as a link
// message in the message buffer. Returns the link message size, or 0 when the frame
// cannot be built or does not fit.
std::size_t PrepareLinkMessage(ExchangeBuffers& buffers, std::span<const std::uint8_t> request);

struct ReceivedFrame {
    std::size_t messageSize = 0;  // bytes of the reply link message
    std::size_t frameSize = 0;    // bytes of the tag frame decoded into the reply buffer
};

// Reads one reply link message into the cleared message buffer and decodes its tag frame
// into the cleared reply buffer. Empty when nothing arrived.
std::optional<ReceivedFrame> ReceiveTagFrame(ByteChannel& channel, ExchangeBuffers& buffers);

}  // namespace lanvane
