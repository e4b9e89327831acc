#include "lan/core/DiscoveryCollector.h"

namespace lanvane {

void DiscoveryCollector::Begin() {
    lists_.Clear(mode_);
    seen_.clear();
    truncated_ = 0;
    truncatedFrom_.clear();
}

DiscoveryVerdict DiscoveryCollector::Take(std::span<const std::uint8_t> datagram, const std::string& from) {
    const DiscoveryVerdict verdict = ClassifyDiscoveryReply(mode_, datagram);
    if (verdict == DiscoveryVerdict::Truncated) {
        ++truncated_;
        truncatedFrom_.insert(from);
    }
    if (verdict != DiscoveryVerdict::Device) {
        return verdict;
    }
    const auto body = DiscoveryReplyBody(mode_, datagram);
    return mode_ == LanMode::Ethernet ? Append(lists_.Ethernet(), DecodeDeviceRecord(body), from)
                                      : Append(lists_.Wlan(), DecodeWlanDeviceRecord(body), from);
}

template <class Record>
DiscoveryVerdict DiscoveryCollector::Append(DeviceList<Record>& list, const std::optional<Record>& record,
                                            const std::string& from) {
    if (!record || !seen_.insert(record->mac).second) {
        return DiscoveryVerdict::Ignored;
    }
    list.Append(*record, from);
    return DiscoveryVerdict::Device;
}

}  // namespace lanvane
