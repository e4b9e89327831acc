#include "lan/core/DiscoveryCollector.h"

namespace lanvane {

DiscoveryVerdict DiscoveryCollector::Take(std::span<const std::uint8_t> datagram) {
    const DiscoveryVerdict verdict = ClassifyDiscoveryReply(mode_, datagram);
    if (verdict != DiscoveryVerdict::Device) {
        return verdict;
    }
    const auto body = DiscoveryReplyBody(mode_, datagram);
    if (mode_ == LanMode::Ethernet) {
        lists_.Ethernet().Append(DecodeDeviceRecord(body));
    } else {
        lists_.Wlan().Append(DecodeWlanDeviceRecord(body));
    }
    return verdict;
}

}  // namespace lanvane
