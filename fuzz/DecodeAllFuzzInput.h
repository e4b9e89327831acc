#pragma once

#include <cstddef>
#include <cstdint>

namespace lanvane {

// Runs every decoder of the protocol core over one input, read as a reply link message,
// as a bare tag frame and as a bare record, and checks what must hold for any bytes.
// Returns false when one of those properties is broken.
bool DecodeAllFuzzInput(const std::uint8_t* data, std::size_t size);

}  // namespace lanvane
