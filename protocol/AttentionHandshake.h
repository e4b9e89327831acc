#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/ByteChannel.h"

namespace lanvane {

// Writes the attention message with the configuration selector and reads the printer's
// answer into `buffer`. True only when the whole message went out and the answer is the
// printer's attention reply.
bool ExchangeAttention(ByteChannel& channel, std::span<std::uint8_t> buffer);

}  // namespace lanvane
