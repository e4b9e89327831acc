#include "lan/core/DeviceRecord.h"

#include "protocol/BigEndian.h"

#include <algorithm>

namespace lanvane {
namespace {

// Offsets of the fields, big-endian where wider than a byte.
constexpr std::size_t kMacAt = 0;
constexpr std::size_t kIpAt = 6;
constexpr std::size_t kSubnetAt = 10;
constexpr std::size_t kGatewayAt = 14;
constexpr std::size_t kPortAt = 18;
constexpr std::size_t kBaudCodeAt = 20;
constexpr std::size_t kFwMajorAt = 21;
constexpr std::size_t kFwMinorAt = 22;
constexpr std::size_t kDhcpAt = 23;
constexpr std::size_t kInactivityAt = 24;
constexpr std::size_t kHttpsAt = 26;
constexpr std::size_t kFeatureCodeAt = 27;
constexpr std::size_t kReservedAt = 28;

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(ReadBigEndian(bytes.subspan(at, 2)));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return ReadBigEndian(bytes.subspan(at, 4));
}

void DecodeCommon(std::span<const std::uint8_t> bytes, DeviceRecord& record) {
    std::copy_n(bytes.begin() + kMacAt, record.mac.size(), record.mac.begin());
    record.ip = Read32(bytes, kIpAt);
    record.subnet = Read32(bytes, kSubnetAt);
    record.gateway = Read32(bytes, kGatewayAt);
    record.port = Read16(bytes, kPortAt);
    record.baudCode = bytes[kBaudCodeAt];
    record.fwMajor = bytes[kFwMajorAt];
    record.fwMinor = bytes[kFwMinorAt];
    record.dhcp = bytes[kDhcpAt];
    record.inactivity = Read16(bytes, kInactivityAt);
    record.https = bytes[kHttpsAt];
}

void EncodeCommon(const DeviceRecord& record, std::span<std::uint8_t> bytes) {
    std::copy(record.mac.begin(), record.mac.end(), bytes.begin() + kMacAt);
    WriteBigEndian(record.ip, bytes.subspan(kIpAt, 4));
    WriteBigEndian(record.subnet, bytes.subspan(kSubnetAt, 4));
    WriteBigEndian(record.gateway, bytes.subspan(kGatewayAt, 4));
    WriteBigEndian(record.port, bytes.subspan(kPortAt, 2));
    bytes[kBaudCodeAt] = record.baudCode;
    bytes[kFwMajorAt] = record.fwMajor;
    bytes[kFwMinorAt] = record.fwMinor;
    bytes[kDhcpAt] = record.dhcp;
    WriteBigEndian(record.inactivity, bytes.subspan(kInactivityAt, 2));
    bytes[kHttpsAt] = record.https;
}

}  // namespace

std::optional<DeviceRecord> DecodeDeviceRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < DeviceRecord::kSize) {
        return std::nullopt;
    }
    DeviceRecord record;
    DecodeCommon(bytes, record);
    return record;
}

std::optional<WlanDeviceRecord> DecodeWlanDeviceRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < WlanDeviceRecord::kSize) {
        return std::nullopt;
    }
    WlanDeviceRecord record;
    DecodeCommon(bytes, record);
    record.featureCode = bytes[kFeatureCodeAt];
    record.reserved = bytes[kReservedAt];
    return record;
}

std::array<std::uint8_t, DeviceRecord::kSize> EncodeDeviceRecord(const DeviceRecord& record) {
    std::array<std::uint8_t, DeviceRecord::kSize> bytes{};
    EncodeCommon(record, bytes);
    return bytes;
}

std::array<std::uint8_t, WlanDeviceRecord::kSize> EncodeWlanDeviceRecord(const WlanDeviceRecord& record) {
    std::array<std::uint8_t, WlanDeviceRecord::kSize> bytes{};
    EncodeCommon(record, bytes);
    bytes[kFeatureCodeAt] = record.featureCode;
    bytes[kReservedAt] = record.reserved;
    return bytes;
}

}  // namespace lanvane
