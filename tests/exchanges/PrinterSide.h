#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "FakeByteChannel.h"

// The printer's side of the messages, written independently of the code under test.
namespace lanvane::test {

Bytes Text(std::string_view text);
Bytes Concat(std::initializer_list<Bytes> parts);

// RFC 1071 checksum, words high byte first, an odd length padded with zero.
std::uint16_t PrinterChecksum(const Bytes& data);

// Tag and payload, padded to even length, closed with the checksum.
Bytes PrinterTagFrame(std::string_view tag, const Bytes& payload = {});

// A reply link message: 1F 57 4D, lower-case hex pairs, 03.
Bytes PrinterLinkReply(const Bytes& frame);

// The tag frame carried by a link message written to the printer, read with the digit
// set the printer accepts ("0".."9", "a".."f", and "(".."/" as high digits 8..15).
Bytes FrameOfLinkMessage(const Bytes& message);

Bytes AttentionReply();
Bytes MakerNameReply(std::string_view name);

}  // namespace lanvane::test
