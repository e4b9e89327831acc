#include "protocol/Framing.h"

namespace lanvane {

std::uint16_t Checksum16(const std::uint8_t* data, std::size_t length) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < length; i += 2) {
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    }
    // An odd length counts the missing low byte as zero; nothing past the data is read.
    if (i < length) {
        sum += static_cast<std::uint32_t>(data[i] << 8);
    }
    while (sum > 0xFFFFu) {
        sum = (sum & 0xFFFFu) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum & 0xFFFFu);
}

}  // namespace lanvane
