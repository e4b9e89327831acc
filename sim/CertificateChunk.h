#pragma once

#include <cstdint>
#include <optional>

#include "sim/Bytes.h"

namespace lanvane::sim {

// One chunk frame of a certificate upload: tag, offset and length (little-endian), data,
// CRC (big-endian) over everything before it.
struct CertificateChunk {
    bool last = false;  // tagged "__[I_F]__[CERTEND]"
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    Bytes data;
    bool crcHolds = false;
};

// Reads a chunk frame; empty when the tag is no chunk tag or the sizes disagree.
std::optional<CertificateChunk> ParseCertificateChunk(const Bytes& frame);

}  // namespace lanvane::sim
