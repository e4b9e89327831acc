#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "protocol/LinkMessage.h"

namespace lanvane {

constexpr std::size_t kStagingBufferSize = 4096;

// The buffers one printer-channel exchange works in. The configuration window owns one set
// and lends it to every exchange it runs; the sizes are those the messages are laid out for.
struct ExchangeBuffers {
    std::array<std::uint8_t, kStagingBufferSize> request{};  // the outgoing tag and payload
    std::array<std::uint8_t, kStagingBufferSize> staging{};  // the outgoing frame, closed
    std::array<std::uint8_t, kMessageBufferSize> message{};  // the outgoing and the received link message
    std::array<std::uint8_t, kMessageBufferSize> reply{};    // the decoded reply tag frame

    // Overwrites all four, so that no frame (a certificate's key material in particular)
    // stays behind after an exchange.
    void Wipe();
};

}  // namespace lanvane
