#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lanvane {

constexpr std::size_t kRecordSizeV1 = 603;
constexpr std::size_t kRecordSizeV2 = 616;
// A reply link message longer than this carries a version 2 record.
constexpr std::size_t kVersion1LinkMessageSize = 1252;

enum class NetworkMode : std::uint8_t { Infra = 0, Adhoc = 1, WifiDirect = 2 };

// The printer's whole network interface configuration, decoded.
struct InterfaceConfig {
    int version = 1;  // layout the record came from or goes to: 1 (603 bytes) or 2 (616)

    std::string printerName;      // 64
    std::uint8_t networkMode = 0;
    std::uint8_t dhcp = 0;        // 1 automatic, 0 manual
    std::uint32_t ipAddress = 0;  // first octet in the high byte
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    std::string ssid;             // 32
    std::uint8_t authentication = 0;
    std::uint8_t cryptograph = 0;
    std::string wepKey;           // 26
    std::string pskKey;           // 64
    std::uint8_t adhocChannel = 0;
    std::uint8_t eapMode = 0;
    std::string authId;           // 32
    std::string authPassword;     // 32
    std::uint8_t p2pConnMode = 0;  // version 2 only
    std::string p2pPinCode;        // 9, version 2 only
    std::string p2pChannel;        // 3, "1", "6" or "11", version 2 only
    std::string userId;           // 32
    std::string userPassword;     // 32
    std::uint16_t printerPort = 0;
    std::uint8_t https = 0;
    std::uint8_t telnet = 0;
    std::uint8_t ftp = 0;
    std::uint8_t snmp = 0;
    std::string setCommunity;     // 16
    std::string getCommunity;     // 16
    std::string trapCommunity;    // 16
    std::uint32_t trapIpAddress = 0;
    std::uint16_t inactivityTime = 0;

    bool operator==(const InterfaceConfig&) const = default;
};

// 603 for version 1, 616 for version 2, 0 for any other version.
std::size_t RecordSize(int version);

// Version by the length of the reply link message that delivered the record.
int RecordVersionForReply(std::size_t replyLinkMessageSize);

// Checks the IF__CUR frame (checksum 0, tag) and decodes the record after the tag.
// Bytes beyond the frame are read as zeros. Returns false and leaves `config` alone on refusal.
bool DecodeConfigRecord(std::span<const std::uint8_t> frame, int version, InterfaceConfig& config);

// Decodes a bare record (no tag) of RecordSize(version) bytes; a field the bytes do not
// reach keeps its default.
InterfaceConfig DecodeRecordBytes(std::span<const std::uint8_t> record, int version);

// Writes RecordSize(config.version) bytes into `record`, all zero but the fields; a field
// the record does not reach is left out.
void EncodeConfigRecord(const InterfaceConfig& config, std::span<std::uint8_t> record);

// Index of the P2P channel text in the channel list "1", "6", "11", if any.
std::optional<int> P2pChannelIndex(std::span<const std::uint8_t, 3> field);
std::optional<int> P2pChannelIndex(std::string_view text);  // the text as the record holds it
std::string_view P2pChannelText(int index);

}  // namespace lanvane
