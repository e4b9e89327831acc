#include <algorithm>
#include <limits>

#include "protocol/BigEndian.h"
#include "protocol/Framing.h"

namespace lanvane {
namespace {
constexpr std::size_t kChecksumSize = 2;
}  // namespace

int BuildTagFrame(std::uint8_t* dst, const std::uint8_t* src, std::size_t length) {
    const std::size_t padded = length + length % 2;
    if (padded > static_cast<std::size_t>(std::numeric_limits<int>::max()) - kChecksumSize) {
        return -1;
    }
    std::copy_n(src, length, dst);
    std::fill(dst + length, dst + padded + kChecksumSize, std::uint8_t{0});
    const std::size_t frameLength = padded + kChecksumSize;
    WriteBigEndian(Checksum16(dst, frameLength), dst + padded, kChecksumSize);
    if (Checksum16(dst, frameLength) != 0) {
        return -1;
    }
    return static_cast<int>(frameLength);
}

bool IsFrameWithTag(const std::uint8_t* frame, std::size_t n, std::string_view expectedTag) {
    return n >= expectedTag.size() && Checksum16(frame, n) == 0 &&
           std::equal(expectedTag.begin(), expectedTag.end(), frame);
}

}  // namespace lanvane
