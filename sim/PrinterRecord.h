#pragma once

#include <cstdint>
#include <string>

namespace lanvane::sim {

// The interface configuration the simulated printer holds, field by field.
struct PrinterRecord {
    int layout = 1;  // 1: 603-byte record; 2: 616 bytes with the Wi-Fi Direct fields

    std::string printerName;
    std::uint8_t networkMode = 0;
    std::uint8_t dhcp = 0;
    std::uint32_t ipAddress = 0;  // first octet in the high byte
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    std::string ssid;
    std::uint8_t authentication = 0;
    std::uint8_t cryptograph = 0;
    std::string wepKey;
    std::string pskKey;
    std::uint8_t adhocChannel = 0;
    std::uint8_t eapMode = 0;
    std::string authId;
    std::string authPassword;
    std::uint8_t p2pConnMode = 0;
    std::string p2pPinCode;
    std::string p2pChannel;
    std::string userId;
    std::string userPassword;
    std::uint16_t printerPort = 0;
    std::uint8_t https = 0;
    std::uint8_t telnet = 0;
    std::uint8_t ftp = 0;
    std::uint8_t snmp = 0;
    std::string setCommunity;
    std::string getCommunity;
    std::string trapCommunity;
    std::uint32_t trapIpAddress = 0;
    std::uint16_t inactivityTime = 0;

    bool operator==(const PrinterRecord&) const = default;
};

}  // namespace lanvane::sim
