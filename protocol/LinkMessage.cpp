#include "protocol/LinkMessage.h"

#include <algorithm>

namespace lanvane {
namespace {

constexpr std::size_t kLinkPrefixSize = sizeof kLinkPrefixToPrinter;
constexpr std::size_t kLinkOverhead = kLinkPrefixSize + 1;

// The printer expects the high digit of the byte shifted as a signed value, so bytes of
// 0x80 and above get a high digit from "(" to "/" rather than "8" to "f".
std::uint8_t HighNibbleSigned(std::uint8_t byte) {
    return static_cast<std::uint8_t>(static_cast<std::int8_t>(byte) >> 4);
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

}  // namespace

std::size_t EncodeLinkMessage(std::span<const std::uint8_t> frame, std::span<std::uint8_t> message) {
    std::fill(message.begin(), message.end(), std::uint8_t{0});
    if (message.size() < kLinkOverhead || frame.size() > (message.size() - kLinkOverhead) / 2) {
        return 0;
    }
    const auto text = message.subspan(kLinkPrefixSize);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        text[2 * i] = static_cast<std::uint8_t>(HexDigit(HighNibbleSigned(frame[i])));
        text[2 * i + 1] = static_cast<std::uint8_t>(HexDigit(frame[i] & 0x0Fu));
    }
    text[2 * frame.size()] = kLinkTerminator;
    return 2 * frame.size() + kLinkOverhead;
}

std::size_t BuildLinkMessage(std::span<const std::uint8_t> frame, std::span<std::uint8_t> message) {
    const std::size_t size = EncodeLinkMessage(frame, message);
    if (size != 0) {
        std::copy_n(kLinkPrefixToPrinter, kLinkPrefixSize, message.begin());
    }
    return size;
}

std::size_t DecodeLinkMessage(std::span<const std::uint8_t> message, std::span<std::uint8_t> frame) {
    if (message.size() < kLinkPrefixSize) {
        return 0;
    }
    const auto text = message.subspan(kLinkPrefixSize);
    const std::size_t n = std::min(text.size() / 2, frame.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto high = static_cast<std::uint8_t>(HexValue(text[2 * i]) << 4);
        frame[i] = static_cast<std::uint8_t>(high | HexValue(text[2 * i + 1]));
    }
    return n;
}

}  // namespace lanvane
