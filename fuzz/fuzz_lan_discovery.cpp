// A search's replies: each datagram classified, its record decoded and gathered into the
// device list of the mode; a reply cut short is counted and never listed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <set>

#include "fuzz/FuzzCheck.h"
#include "lan/core/DiscoveryCollector.h"

namespace lanvane::fuzz {
namespace {

// The record's own bytes come back from its encoding.
template <class Record, class Decode, class Encode>
void CheckRecord(std::span<const std::uint8_t> body, Decode decode, Encode encode, const Record& listed) {
    const std::optional<Record> record = decode(body);
    Check(record.has_value(), "a listed record was whole");
    Check(*record == listed, "the list holds the record");
    const auto bytes = encode(*record);
    Check(std::equal(bytes.begin(), bytes.end(), body.begin()), "a record encodes back to its bytes");
}

void CheckLatest(LanMode mode, const LanDeviceLists& lists, std::span<const std::uint8_t> body) {
    const int latest = lists.Count(mode);
    if (mode == LanMode::Ethernet) {
        CheckRecord<DeviceRecord>(body, DecodeDeviceRecord, EncodeDeviceRecord, *lists.Ethernet().Nth(latest));
    } else {
        CheckRecord<WlanDeviceRecord>(body, DecodeWlanDeviceRecord, EncodeWlanDeviceRecord, *lists.Wlan().Nth(latest));
    }
}

MacAddress MacOf(LanMode mode, std::span<const std::uint8_t> body) {
    return mode == LanMode::Ethernet ? DecodeDeviceRecord(body)->mac : DecodeWlanDeviceRecord(body)->mac;
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    FuzzedDataProvider input(data, size);
    const LanMode mode = input.ConsumeBool() ? LanMode::Wlan : LanMode::Ethernet;
    LanDeviceLists lists;
    DiscoveryCollector collector(mode, lists);
    collector.Begin();
    int devices = 0;
    int truncated = 0;
    std::set<MacAddress> macs;
    while (input.remaining_bytes() > 0) {
        const std::vector<std::uint8_t> datagram =
            input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 512));
        const DiscoveryVerdict classified = ClassifyDiscoveryReply(mode, datagram);
        const DiscoveryVerdict verdict = collector.Take(datagram, "127.0.0.1");
        Check((classified == DiscoveryVerdict::Device) == (datagram.size() >= DiscoveryReplySize(mode) &&
                                                           classified != DiscoveryVerdict::Ignored),
              "a reply of the mode is a device exactly when it is whole");
        if (classified == DiscoveryVerdict::Device) {
            const bool fresh = macs.insert(fuzz::MacOf(mode, DiscoveryReplyBody(mode, datagram))).second;
            Check(verdict == (fresh ? DiscoveryVerdict::Device : DiscoveryVerdict::Ignored),
                  "a printer is listed once, by its MAC");
        } else {
            Check(verdict == classified, "the collector follows the classification");
        }
        if (verdict == DiscoveryVerdict::Device) {
            ++devices;
            fuzz::CheckLatest(mode, lists, DiscoveryReplyBody(mode, datagram));
            Check(lists.From(mode, devices) == "127.0.0.1", "a record keeps the address it came from");
        }
        truncated += verdict == DiscoveryVerdict::Truncated ? 1 : 0;
        Check(lists.Count(mode) == devices, "one entry per whole reply");
        Check(collector.TruncatedReplies() == truncated, "every reply cut short is counted");
    }
    return 0;
}
