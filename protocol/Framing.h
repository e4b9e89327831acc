#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/AddressText.h"

namespace lanvane {

constexpr std::size_t kTagLength = 18;
constexpr std::size_t kMessageBufferSize = 8192;
constexpr std::size_t kStagingBufferSize = 4096;
constexpr std::size_t kIdentificationBufferSize = 32;
constexpr std::size_t kIdentificationDataSize = 54;
constexpr std::size_t kSystemResponseMinFrame = kTagLength + kIdentificationDataSize;  // 72

constexpr std::uint8_t kLinkPrefixToPrinter[3] = {0x1F, 0x57, 0x43};
constexpr std::uint8_t kLinkPrefixFromPrinter[3] = {0x1F, 0x57, 0x4D};
constexpr std::uint8_t kLinkTerminator = 0x03;
constexpr std::uint8_t kIdentificationRequest[3] = {0x1D, 0x49, 0x42};
constexpr std::size_t kAttentionMessageSize = 7;
constexpr std::uint8_t kConfigSelector = 0x7F;
constexpr std::string_view kMakerName = "Vantrole Systemtechnik AG";

namespace tag {
constexpr std::string_view kSysReq = "__[I_F]__[SYS_REQ]";
constexpr std::string_view kSysRsp = "__[I_F]__[SYS_RSP]";
constexpr std::string_view kIfGet = "__[I_F]__[IF__GET]";
constexpr std::string_view kIfCur = "__[I_F]__[IF__CUR]";
constexpr std::string_view kIfSet = "__[I_F]__[IF__SET]";
constexpr std::string_view kIfSuc = "__[I_F]__[IF__SUC]";
constexpr std::string_view kBssReq = "__[I_F]__[BSS_REQ]";
constexpr std::string_view kBssRsp = "__[I_F]__[BSS_RSP]";
constexpr std::string_view kFwCert = "__[I_F]__[FW_CERT]";
constexpr std::string_view kCertEnd = "__[I_F]__[CERTEND]";
}  // namespace tag

// What the SYS_RSP reply tells about the printer's interface.
struct IdentificationData {
    std::string firmwareVersion;             // 16 bytes on the wire
    std::string updateDate;                  // 32 bytes on the wire
    MacAddress mac{};                        // shown as MacText(mac)
};

std::uint16_t Checksum16(const std::uint8_t* data, std::size_t length);

// Copies tag and payload, pads to even length, appends the checksum and checks it.
// Returns the frame length, or -1 when the finished frame does not check to 0.
// `dst` must hold length + 3 bytes and be cleared by the caller.
int BuildTagFrame(std::uint8_t* dst, const std::uint8_t* src, std::size_t length);

// Copies `length` bytes and appends the CRC-32 (0x04C11DB7, MSB first, init 0, no
// final inversion), most significant byte first. Returns length + 4.
int BuildCrcFrame(std::uint8_t* dst, const std::uint8_t* src, std::size_t length);
std::uint32_t Crc32Msb(const std::uint8_t* data, std::size_t length);

char HexDigit(std::uint8_t value);
std::uint8_t HexValue(std::uint8_t character);

// Clears the message buffer and writes the frame as hex text from offset 3 plus the
// terminator; the caller puts the prefix in front. Returns the link message size
// (2n + 4), or 0 when the frame does not fit.
std::size_t EncodeLinkMessage(const std::uint8_t* frame, std::size_t n,
                              std::uint8_t (&message)[kMessageBufferSize]);

// Builds a complete link message (prefix, hex text, terminator) for a tag frame.
std::size_t BuildLinkMessage(const std::uint8_t* frame, std::size_t n,
                             std::uint8_t (&message)[kMessageBufferSize]);

// Decodes (received - 3) / 2 hex pairs from offset 3, cut to `frameCapacity`.
// Returns the number of frame bytes written.
std::size_t DecodeLinkMessage(const std::uint8_t* message, std::size_t received,
                              std::uint8_t* frame, std::size_t frameCapacity);

// The 7-byte attention message with the given selector.
std::array<std::uint8_t, kAttentionMessageSize> AttentionMessage(std::uint8_t selector);
bool IsAttentionReply(const std::uint8_t* reply, std::size_t count);

// Checks checksum, length and tag of a SYS_RSP frame; fills `data` on success and
// clears it otherwise.
bool CheckSystemResponse(const std::uint8_t* frame, std::size_t n, IdentificationData& data);

// True when the frame checks to 0 and starts with `expectedTag`.
bool IsFrameWithTag(const std::uint8_t* frame, std::size_t n, std::string_view expectedTag);

}  // namespace lanvane
