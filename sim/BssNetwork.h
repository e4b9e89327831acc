#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/Bytes.h"

namespace lanvane::sim {

// One wireless network the simulated printer receives.
struct BssNetwork {
    std::string ssid;  // at most 30 bytes go on the wire
    std::array<std::uint8_t, 6> bssid{};
    std::uint8_t mode = 0;  // 0 infrastructure, otherwise ad hoc
    std::int16_t rssi = 0;
    std::uint8_t security = 0;  // bits 0..5: WEP64, WEP128, WPA, WPA2, RSN1, RSN2

    bool operator==(const BssNetwork&) const = default;
};

// The records of a BSS list reply: SSID element, BSSID element, mode, RSSI, security.
Bytes EncodeBssRecords(const std::vector<BssNetwork>& networks);

}  // namespace lanvane::sim
