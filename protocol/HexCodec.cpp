#include <algorithm>

#include "protocol/Framing.h"

namespace lanvane {
namespace {

constexpr std::size_t kLinkPrefixSize = sizeof kLinkPrefixToPrinter;
constexpr std::size_t kLinkOverhead = kLinkPrefixSize + 1;

// The printer expects the high digit of the byte shifted as a signed value, so bytes of
// 0x80 and above get a high digit from "(" to "/" rather than "8" to "f".
std::uint8_t HighNibbleSigned(std::uint8_t byte) {
    return static_cast<std::uint8_t>(static_cast<std::int8_t>(byte) >> 4);
}

}  // namespace

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

}  // namespace lanvane
