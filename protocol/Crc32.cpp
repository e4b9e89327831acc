#include <array>
#include <algorithm>
#include <limits>

#include "protocol/BigEndian.h"
#include "protocol/Framing.h"

namespace lanvane {
namespace {

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

std::uint32_t Crc32Msb(const std::uint8_t* data, std::size_t length) {
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < length; ++i) {
        crc = (crc << 8) ^ kCrcTable[((crc >> 24) ^ data[i]) & 0xFFu];
    }
    return crc;
}

int BuildCrcFrame(std::uint8_t* dst, const std::uint8_t* src, std::size_t length) {
    constexpr std::size_t kCrcSize = 4;
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max()) - kCrcSize) {
        return -1;
    }
    std::copy_n(src, length, dst);
    WriteBigEndian(Crc32Msb(src, length), dst + length, kCrcSize);
    return static_cast<int>(length + kCrcSize);
}

}  // namespace lanvane
