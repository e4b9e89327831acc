#include "lan/core/DiscoveryCollector.h"

#include <algorithm>

namespace lanvane {

void DiscoveryCollector::Begin() {
    lists_.Clear(mode_);
    listedIpOf_.clear();
    sharedMacs_.clear();
}

bool DiscoveryCollector::FirstOfItsMac(const DeviceRecord& record) {
    const auto [listed, added] = listedIpOf_.emplace(record.mac, record.ip);
    const bool known = std::any_of(sharedMacs_.begin(), sharedMacs_.end(), [&](const SharedMac& shared) {
        return shared.mac == record.mac && shared.otherIp == record.ip;
    });
    if (!added && listed->second != record.ip && !known) {
        sharedMacs_.push_back({record.mac, listed->second, record.ip});
    }
    return added;
}

DiscoveryVerdict DiscoveryCollector::Take(std::span<const std::uint8_t> datagram) {
    const DiscoveryVerdict verdict = ClassifyDiscoveryReply(mode_, datagram);
    if (verdict != DiscoveryVerdict::Device) {
        return verdict;
    }
    const auto body = DiscoveryReplyBody(mode_, datagram);
    if (mode_ == LanMode::Ethernet) {
        const DeviceRecord record = DecodeDeviceRecord(body);
        if (!FirstOfItsMac(record)) {
            return DiscoveryVerdict::Ignored;
        }
        lists_.Ethernet().Append(record);
    } else {
        const WlanDeviceRecord record = DecodeWlanDeviceRecord(body);
        if (!FirstOfItsMac(record)) {
            return DiscoveryVerdict::Ignored;
        }
        lists_.Wlan().Append(record);
    }
    return verdict;
}

}  // namespace lanvane
