#include "protocol/Framing.h"

#include <algorithm>
#include <array>
#include <limits>

#include "protocol/BigEndian.h"
#include "protocol/FieldText.h"

namespace lanvane {
namespace {

constexpr std::size_t kChecksumSize = 2;

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

constexpr std::size_t kLinkPrefixSize = sizeof kLinkPrefixToPrinter;
constexpr std::size_t kLinkOverhead = kLinkPrefixSize + 1;

// The printer expects the high digit of the byte shifted as a signed value, so bytes of
// 0x80 and above get a high digit from "(" to "/" rather than "8" to "f".
std::uint8_t HighNibbleSigned(std::uint8_t byte) {
    return static_cast<std::uint8_t>(static_cast<std::int8_t>(byte) >> 4);
}

constexpr std::size_t kFirmwareVersionWidth = 16;
constexpr std::size_t kUpdateDateWidth = 32;

}  // namespace

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

char HexDigit(std::uint8_t value) {
    const auto signedValue = static_cast<std::int8_t>(value);
    if (signedValue < 10) {
        return static_cast<char>('0' + signedValue);
    }
    return static_cast<char>('a' + (signedValue - 10));
}

// Lower-case digits only: "A".."F" fall under the same subtraction and come out with
// stray high bits, which the decoder keeps for compatibility.
std::uint8_t HexValue(std::uint8_t character) {
    if (character > '9') {
        return static_cast<std::uint8_t>(character - 0x57);
    }
    return static_cast<std::uint8_t>(character - 0x30);
}

std::size_t EncodeLinkMessage(const std::uint8_t* frame, std::size_t n,
                              std::uint8_t (&message)[kMessageBufferSize]) {
    std::fill(std::begin(message), std::end(message), std::uint8_t{0});
    if (n > (kMessageBufferSize - kLinkOverhead) / 2) {
        return 0;
    }
    std::uint8_t* text = message + kLinkPrefixSize;
    for (std::size_t i = 0; i < n; ++i) {
        text[2 * i] = static_cast<std::uint8_t>(HexDigit(HighNibbleSigned(frame[i])));
        text[2 * i + 1] = static_cast<std::uint8_t>(HexDigit(frame[i] & 0x0Fu));
    }
    text[2 * n] = kLinkTerminator;
    return 2 * n + kLinkOverhead;
}

std::size_t BuildLinkMessage(const std::uint8_t* frame, std::size_t n,
                             std::uint8_t (&message)[kMessageBufferSize]) {
    const std::size_t size = EncodeLinkMessage(frame, n, message);
    if (size != 0) {
        std::copy_n(kLinkPrefixToPrinter, kLinkPrefixSize, message);
    }
    return size;
}

std::size_t DecodeLinkMessage(const std::uint8_t* message, std::size_t received,
                              std::uint8_t* frame, std::size_t frameCapacity) {
    if (received < kLinkPrefixSize) {
        return 0;
    }
    const std::size_t n = std::min((received - kLinkPrefixSize) / 2, frameCapacity);
    const std::uint8_t* text = message + kLinkPrefixSize;
    for (std::size_t i = 0; i < n; ++i) {
        const auto high = static_cast<std::uint8_t>(HexValue(text[2 * i]) << 4);
        frame[i] = static_cast<std::uint8_t>(high | HexValue(text[2 * i + 1]));
    }
    return n;
}

std::array<std::uint8_t, kAttentionMessageSize> AttentionMessage(std::uint8_t selector) {
    return {kLinkPrefixToPrinter[0], kLinkPrefixToPrinter[1], kLinkPrefixToPrinter[2],
            selector, 0x1D, 0x1F, kLinkTerminator};
}

bool IsAttentionReply(const std::uint8_t* reply, std::size_t count) {
    return count >= 4 && reply[0] == kLinkPrefixFromPrinter[0] &&
           reply[1] == kLinkPrefixFromPrinter[1] && reply[2] == kLinkPrefixFromPrinter[2] &&
           reply[3] == kConfigSelector;
}

bool CheckSystemResponse(const std::uint8_t* frame, std::size_t n, IdentificationData& data) {
    data = IdentificationData{};
    if (n < kSystemResponseMinFrame || !IsFrameWithTag(frame, n, tag::kSysRsp)) {
        return false;
    }
    const std::uint8_t* fields = frame + kTagLength;
    data.firmwareVersion = TextFromField(fields, kFirmwareVersionWidth);
    data.updateDate = TextFromField(fields + kFirmwareVersionWidth, kUpdateDateWidth);
    std::copy_n(fields + kFirmwareVersionWidth + kUpdateDateWidth, data.mac.size(),
                data.mac.begin());
    return true;
}

}  // namespace lanvane
