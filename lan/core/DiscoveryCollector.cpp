#include "lan/core/DiscoveryCollector.h"

#include <algorithm>

namespace lanvane {

void DiscoveryCollector::Begin() {
    lists_.Clear(mode_);
    listedIpOf_.clear();
    sharedMacs_.clear();
    truncated_ = 0;
    truncatedFrom_.clear();
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
    if (!record || !FirstOfItsMac(*record)) {
        return DiscoveryVerdict::Ignored;
    }
    list.Append(*record, from);
    return DiscoveryVerdict::Device;
}

}  // namespace lanvane
