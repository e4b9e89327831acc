#pragma once

#include <string_view>

namespace lanvane::rules {

// Every field a user edits on the configuration pages, named after the record field it
// feeds (confirmPassword feeds none: it is only compared with userPassword).
enum class ConfigField {
    printerName,
    printerPort,
    userId,
    userPassword,
    confirmPassword,
    https,
    telnet,
    ftp,
    snmp,
    setCommunity,
    getCommunity,
    trapCommunity,
    trapIpAddress,
    networkMode,
    dhcp,  // the IP assignment choice; the Network page holds its inverse, ipAssignment
    ipAddress,
    subnetMask,
    gateway,
    ssid,
    inactivityTime,
    adhocChannel,
    p2pConnMode,
    p2pChannel,
    p2pPinCode,
    authentication,
    cryptograph,
    eapMode,
    wepKey,
    pskKey,
    authId,
    authPassword,
};

// The field's name as written above ("printerName"), for reports outside the windows.
std::string_view ConfigFieldName(ConfigField field);

}  // namespace lanvane::rules
