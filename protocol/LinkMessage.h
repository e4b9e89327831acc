#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lanvane {

// A link message carries a frame over the printer port as text: a prefix, the frame's
// bytes as hex digits, and a terminator.
constexpr std::size_t kMessageBufferSize = 8192;
constexpr std::uint8_t kLinkPrefixToPrinter[3] = {0x1F, 0x57, 0x43};
constexpr std::uint8_t kLinkPrefixFromPrinter[3] = {0x1F, 0x57, 0x4D};
constexpr std::uint8_t kLinkTerminator = 0x03;

// Clears `message` and writes the frame as hex text from offset 3 plus the terminator;
// the caller puts the prefix in front. Returns the link message size (2n + 4), or 0 when
// the frame does not fit.
std::size_t EncodeLinkMessage(std::span<const std::uint8_t> frame, std::span<std::uint8_t> message);

// Builds a complete link message (prefix, hex text, terminator) for a tag frame.
std::size_t BuildLinkMessage(std::span<const std::uint8_t> frame, std::span<std::uint8_t> message);

// Decodes the hex pairs that follow the prefix, as many as `frame` holds. Returns the
// number of frame bytes written.
std::size_t DecodeLinkMessage(std::span<const std::uint8_t> message, std::span<std::uint8_t> frame);

}  // namespace lanvane
