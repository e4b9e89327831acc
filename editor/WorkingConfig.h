#pragma once

#include <cstdint>
#include <string>

namespace lanvane {

// The configuration window's working copy of the settings its pages mirror while the user
// edits. The encoder takes these, and the remaining fields from the pages.
struct WorkingConfig {
    std::string printerName;
    std::string ssid;
    std::string wepKey;
    std::string pskKey;
    std::string authId;
    std::string authPassword;
    std::uint32_t inactivityTime = 0;
    std::uint32_t ipAddress = 0;  // first octet in the high byte
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    int networkMode = 0;     // 0 Infra Network, 1 Adhoc, 2 Wi-Fi Direct
    int ipAssignment = 0;    // 0 automatic (DHCP), 1 manual: the inverse of the record's dhcp
    int authentication = -1;
    int cryptograph = -1;
    bool extendedRecord = false;  // the last record read was version 2
};

}  // namespace lanvane
