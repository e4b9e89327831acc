#pragma once

#include <cstdint>
#include <string>

#include "protocol/AddressSetting.h"

// The values of the configuration pages as the rules see them: texts as the user typed
// them, numbers as read back, choices as list or radio indexes (-1 for none). A window fills
// them from its controls, lanvane-cli from a record.
namespace lanvane {

struct SystemPageValues {
    std::string printerName;
    std::uint32_t printerPort = 9100;
    std::string userId;
    std::string userPassword;
    std::string confirmPassword;
};

struct ProtocolPageValues {
    int https = -1;
    int telnet = -1;
    int ftp = -1;
    int snmp = -1;
    std::string getCommunity;
    std::string setCommunity;
    std::string trapCommunity;
    std::uint32_t trapIpAddress = 0;
};

struct NetworkPageValues {
    int networkMode = 0;
    int ipAssignment = 0;  // 0 automatic (DHCP), 1 manual
    std::uint32_t adhocChannel = 0;
    std::string ssid;
    std::uint32_t inactivityTime = 0;
    std::uint32_t ipAddress = 0;
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    int p2pConnMode = 0;
    std::string p2pChannel;
    std::string p2pPinCode;  // the PIN Code field's text
    AddressSetting reportedAddress;  // as the printer gave it: judged again only once changed
};

struct AuthPageValues {
    int authentication = -1;
    int cryptograph = -1;
    int eapMode = -1;
    std::string wepKey;
    std::string pskKey;
    std::string authId;
    std::string authPassword;
};

// Everything the Update checks look at.
struct ConfigPageValues {
    SystemPageValues system;
    ProtocolPageValues protocol;
    NetworkPageValues network;
    AuthPageValues auth;
    bool extendedRecord = false;  // the printer uses the version 2 record
};

}  // namespace lanvane
