#include "sim/BssNetwork.h"

#include <algorithm>

#include "sim/SimWireCodec.h"

namespace lanvane::sim {
namespace {

constexpr std::uint8_t kSsidElement = 0x00;
constexpr std::uint8_t kBssidElement = 0x01;
constexpr std::size_t kLongestSsid = 30;

}  // namespace

Bytes EncodeBssRecords(const std::vector<BssNetwork>& networks) {
    Bytes records;
    for (const BssNetwork& network : networks) {
        const std::size_t ssidLength = std::min(network.ssid.size(), kLongestSsid);
        records.push_back(kSsidElement);
        records.push_back(static_cast<std::uint8_t>(ssidLength));
        records.insert(records.end(), network.ssid.begin(),
                       network.ssid.begin() + static_cast<std::ptrdiff_t>(ssidLength));
        records.push_back(kBssidElement);
        records.push_back(static_cast<std::uint8_t>(network.bssid.size()));
        records.insert(records.end(), network.bssid.begin(), network.bssid.end());
        records.push_back(network.mode);
        AppendBe16(records, static_cast<std::uint16_t>(network.rssi));
        records.push_back(network.security);
    }
    return records;
}

}  // namespace lanvane::sim
