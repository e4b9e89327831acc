#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The printer's own view of the channel's byte sequences, kept apart from the program's
// framing code on purpose.
namespace lanvane::sim::wire {

constexpr std::uint8_t kUnitSeparator = 0x1F;
constexpr std::uint8_t kLinkMarkW = 0x57;
constexpr std::uint8_t kToPrinterMark = 0x43;    // "C"
constexpr std::uint8_t kFromPrinterMark = 0x4D;  // "M"
constexpr std::uint8_t kGroupSeparator = 0x1D;
constexpr std::uint8_t kTerminator = 0x03;

constexpr std::uint8_t kIdentifyCommand[3] = {0x1D, 0x49, 0x42};
constexpr std::uint8_t kRequestPrefix[3] = {kUnitSeparator, kLinkMarkW, kToPrinterMark};
constexpr std::uint8_t kReplyPrefix[3] = {kUnitSeparator, kLinkMarkW, kFromPrinterMark};
constexpr std::size_t kAttentionSize = 7;

// Leading byte of the identification reply (the ESC/POS "_" header of a GS I answer).
constexpr std::uint8_t kIdentificationHeader = 0x5F;

constexpr std::uint8_t kConfigSelector = 0x7F;
constexpr std::uint8_t kFirstCertificateSelector = 0x81;  // kind 1; 0x82 kind 2, 0x83 kind 3
constexpr int kCertificateKinds = 3;

constexpr std::size_t kTagSize = 18;
constexpr std::size_t kChecksumSize = 2;

constexpr std::string_view kStartReply = "STRT";
constexpr std::string_view kBusyReply = "BUSY";

constexpr std::string_view kMakerName = "Vantrole Systemtechnik AG";

}  // namespace lanvane::sim::wire

namespace lanvane::sim::tags {

constexpr std::string_view kSystemRequest = "__[I_F]__[SYS_REQ]";
constexpr std::string_view kSystemResponse = "__[I_F]__[SYS_RSP]";
constexpr std::string_view kConfigGet = "__[I_F]__[IF__GET]";
constexpr std::string_view kConfigCurrent = "__[I_F]__[IF__CUR]";
constexpr std::string_view kConfigSet = "__[I_F]__[IF__SET]";
constexpr std::string_view kSuccess = "__[I_F]__[IF__SUC]";
constexpr std::string_view kBssRequest = "__[I_F]__[BSS_REQ]";
constexpr std::string_view kBssResponse = "__[I_F]__[BSS_RSP]";
constexpr std::string_view kCertificateChunk = "__[I_F]__[FW_CERT]";
constexpr std::string_view kCertificateEnd = "__[I_F]__[CERTEND]";
// The printer's refusal of a write or chunk it cannot take.
constexpr std::string_view kError = "__[I_F]__[IF__ERR]";

}  // namespace lanvane::sim::tags
