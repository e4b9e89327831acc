#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/Bytes.h"

// Hex text, checksums and byte order as the printer's firmware handles them.
namespace lanvane::sim {

enum class HexCase { Lower, Upper };

// Two digits per byte, high digit first, in ordinary hexadecimal.
Bytes EncodeHex(const Bytes& data, HexCase letterCase);

// Reads digit pairs; a digit's value is its low four bits after subtracting 0x30 (digits)
// or 0x57 (letters), so "8" and "(" both stand for 8. A last odd digit is dropped.
Bytes DecodeHex(const std::uint8_t* text, std::size_t length);

// RFC 1071 Internet checksum over 16-bit words, high byte first, odd length padded.
std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t length);

// CRC-32 with polynomial 0x04C11DB7, most significant bit first, start 0, no final xor.
std::uint32_t CertificateCrc(const std::uint8_t* data, std::size_t length);

// Tag and payload, padded to even length, followed by the checksum high byte first.
Bytes SealTagFrame(const Bytes& tagAndPayload);
bool FrameChecksumHolds(const Bytes& frame);

void AppendBe16(Bytes& out, std::uint16_t value);
void AppendBe32(Bytes& out, std::uint32_t value);
void AppendText(Bytes& out, std::string_view text);
std::uint16_t ReadBe16(const std::uint8_t* at);
std::uint32_t ReadBe32(const std::uint8_t* at);
std::uint32_t ReadLe32(const std::uint8_t* at);

}  // namespace lanvane::sim
