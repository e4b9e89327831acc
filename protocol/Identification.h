#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "protocol/AddressText.h"
#include "protocol/CommandTags.h"

namespace lanvane {

// The maker-name question every printer on the port answers, and the name ours give.
constexpr std::uint8_t kIdentificationRequest[3] = {0x1D, 0x49, 0x42};
constexpr std::size_t kIdentificationBufferSize = 32;
constexpr std::string_view kMakerName = "Vantrole Systemtechnik AG";

constexpr std::size_t kIdentificationDataSize = 54;
constexpr std::size_t kSystemResponseMinFrame = kTagLength + kIdentificationDataSize;  // 72

// What the SYS_RSP reply tells about the printer's interface.
struct IdentificationData {
    std::string firmwareVersion;             // 16 bytes on the wire
    std::string updateDate;                  // 32 bytes on the wire
    MacAddress mac{};                        // shown as MacText(mac)
};

// Checks checksum, length and tag of a SYS_RSP frame; fills `data` on success and
// clears it otherwise.
bool CheckSystemResponse(std::span<const std::uint8_t> frame, IdentificationData& data);

}  // namespace lanvane
