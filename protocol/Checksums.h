#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lanvane {

// The ones'-complement sum that closes a tag frame; a whole frame sums to 0.
std::uint16_t Checksum16(std::span<const std::uint8_t> data);

// Copies tag and payload into `frame`, pads them to even length and appends the checksum.
// Returns the frame length, or -1 when `frame` cannot hold it or the finished frame does
// not check to 0.
int BuildTagFrame(std::span<std::uint8_t> frame, std::span<const std::uint8_t> content);

// True when the frame checks to 0 and starts with `expectedTag`.
bool IsFrameWithTag(std::span<const std::uint8_t> frame, std::string_view expectedTag);

// The CRC-32 that closes a certificate chunk: 0x04C11DB7, MSB first, init 0, no final
// inversion.
std::uint32_t Crc32Msb(std::span<const std::uint8_t> data);

// Copies `content` into `frame` and appends its CRC-32, most significant byte first.
// Returns the content size + 4, or -1 when `frame` cannot hold it.
int BuildCrcFrame(std::span<std::uint8_t> frame, std::span<const std::uint8_t> content);

}  // namespace lanvane
