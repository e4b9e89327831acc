#pragma once

#include <cstdint>

#include "protocol/Framing.h"

namespace lanvane {

// The buffers one printer-channel exchange works in. The configuration window owns one set
// and lends it to every exchange it runs; the sizes are those the messages are laid out for.
struct ExchangeBuffers {
    std::uint8_t staging[kStagingBufferSize]{};  // the outgoing tag frame
    std::uint8_t message[kMessageBufferSize]{};  // the outgoing and the received link message
    std::uint8_t reply[kMessageBufferSize]{};    // the decoded reply tag frame

    // Overwrites all three, so that no frame (a certificate's key material in particular)
    // stays behind after an exchange.
    void Wipe();
};

}  // namespace lanvane
