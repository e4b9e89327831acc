#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/AddressText.h"

namespace lanvane {

// What a printer tells about itself in a discovery reply, and what a set datagram sends
// back. Addresses hold the first octet in the high byte; 0 in it means "not configured".
struct DeviceRecord {
    static constexpr std::size_t kSize = 27;

    MacAddress mac{};
    std::uint32_t ip = 0;
    std::uint32_t subnet = 0;
    std::uint32_t gateway = 0;
    std::uint16_t port = 0;  // the printer's printing port
    std::uint8_t baudCode = 0;
    std::uint8_t fwMajor = 0;
    std::uint8_t fwMinor = 0;
    std::uint8_t dhcp = 0;         // non-zero: the address comes from DHCP
    std::uint16_t inactivity = 0;  // seconds
    std::uint8_t https = 0;        // non-zero: the web page is served over https

    bool operator==(const DeviceRecord&) const = default;
};

// The record of a wireless printer: the same fields, then two more.
struct WlanDeviceRecord : DeviceRecord {
    static constexpr std::size_t kSize = 29;

    std::uint8_t featureCode = 0;  // which actions the device list offers
    std::uint8_t reserved = 0;     // sent back unchanged

    bool operator==(const WlanDeviceRecord&) const = default;
};

// Decoders take a whole record: nothing when bytes are missing (a record cut short must not
// go back to the printer with zeros in the place of its values); bytes beyond it are ignored.
std::optional<DeviceRecord> DecodeDeviceRecord(std::span<const std::uint8_t> bytes);
std::optional<WlanDeviceRecord> DecodeWlanDeviceRecord(std::span<const std::uint8_t> bytes);

std::array<std::uint8_t, DeviceRecord::kSize> EncodeDeviceRecord(const DeviceRecord& record);
std::array<std::uint8_t, WlanDeviceRecord::kSize> EncodeWlanDeviceRecord(const WlanDeviceRecord& record);

}  // namespace lanvane
