#include "lan/core/DiscoveryCollector.h"

namespace lanvane {

void DiscoveryCollector::Begin() {
    lists_.Clear(mode_);
    seen_.clear();
}

DiscoveryVerdict DiscoveryCollector::Take(std::span<const std::uint8_t> datagram) {
    const DiscoveryVerdict verdict = ClassifyDiscoveryReply(mode_, datagram);
    if (verdict != DiscoveryVerdict::Device) {
        return verdict;
    }
    const auto body = DiscoveryReplyBody(mode_, datagram);
    if (mode_ == LanMode::Ethernet) {
        const DeviceRecord record = DecodeDeviceRecord(body);
        if (!seen_.insert(record.mac).second) {
            return DiscoveryVerdict::Ignored;
        }
        lists_.Ethernet().Append(record);
    } else {
        const WlanDeviceRecord record = DecodeWlanDeviceRecord(body);
        if (!seen_.insert(record.mac).second) {
            return DiscoveryVerdict::Ignored;
        }
        lists_.Wlan().Append(record);
    }
    return verdict;
}

}  // namespace lanvane
