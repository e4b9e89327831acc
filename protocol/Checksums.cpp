#include "protocol/Checksums.h"

#include <algorithm>
#include <array>
#include <limits>

#include "protocol/BigEndian.h"

namespace lanvane {
namespace {

constexpr std::size_t kChecksumSize = 2;
constexpr std::size_t kCrcSize = 4;

constexpr std::uint32_t kCrcPolynomial = 0x04C11DB7u;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t index = 0; index < table.size(); ++index) {
        std::uint32_t remainder = index << 24;
        for (int bit = 0; bit < 8; ++bit) {
            remainder = (remainder & 0x80000000u) ? (remainder << 1) ^ kCrcPolynomial
                                                   : remainder << 1;
        }
        table[index] = remainder;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

std::uint16_t Checksum16(std::span<const std::uint8_t> data) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < data.size(); i += 2) {
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    }
    // An odd length counts the missing low byte as zero; nothing past the data is read.
    if (i < data.size()) {
        sum += static_cast<std::uint32_t>(data[i] << 8);
    }
    while (sum > 0xFFFFu) {
        sum = (sum & 0xFFFFu) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum & 0xFFFFu);
}

int BuildTagFrame(std::span<std::uint8_t> frame, std::span<const std::uint8_t> content) {
    const std::size_t padded = content.size() + content.size() % 2;
    const std::size_t frameLength = padded + kChecksumSize;
    if (frameLength > frame.size() ||
        frameLength > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return -1;
    }
    const auto closed = frame.first(frameLength);
    const auto tail = closed.subspan(content.size());
    std::copy(content.begin(), content.end(), closed.begin());
    std::fill(tail.begin(), tail.end(), std::uint8_t{0});
    WriteBigEndian(Checksum16(closed), closed.subspan(padded));
    if (Checksum16(closed) != 0) {
        return -1;
    }
    return static_cast<int>(frameLength);
}

bool IsFrameWithTag(std::span<const std::uint8_t> frame, std::string_view expectedTag) {
    return frame.size() >= expectedTag.size() && Checksum16(frame) == 0 &&
           std::equal(expectedTag.begin(), expectedTag.end(), frame.begin());
}

std::uint32_t Crc32Msb(std::span<const std::uint8_t> data) {
    std::uint32_t crc = 0;
    for (const std::uint8_t byte : data) {
        crc = (crc << 8) ^ kCrcTable[((crc >> 24) ^ byte) & 0xFFu];
    }
    return crc;
}

int BuildCrcFrame(std::span<std::uint8_t> frame, std::span<const std::uint8_t> content) {
    const std::size_t frameLength = content.size() + kCrcSize;
    if (frameLength > frame.size() ||
        frameLength > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return -1;
    }
    std::copy(content.begin(), content.end(), frame.begin());
    WriteBigEndian(Crc32Msb(content), frame.subspan(content.size(), kCrcSize));
    return static_cast<int>(frameLength);
}

}  // namespace lanvane
