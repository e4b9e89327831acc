// A search's replies: each datagram classified, its record decoded and gathered into the
// device list of the mode.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <set>

#include "fuzz/FuzzCheck.h"
#include "lan/core/DiscoveryCollector.h"

namespace lanvane::fuzz {
namespace {

// Missing bytes read as zero; the record's own bytes come back from its encoding.
template <class Record, class Decode, class Encode>
void CheckRecord(std::span<const std::uint8_t> body, Decode decode, Encode encode) {
    std::array<std::uint8_t, Record::kSize> padded{};
    std::copy_n(body.begin(), std::min(body.size(), padded.size()), padded.begin());
    const Record record = decode(body);
    Check(record == decode(padded), "a short record reads as if padded with zeros");
    Check(encode(record) == padded, "a record encodes back to its bytes");
}

void CheckLatest(LanMode mode, const LanDeviceLists& lists, std::span<const std::uint8_t> body) {
    if (mode == LanMode::Ethernet) {
        CheckRecord<DeviceRecord>(body, DecodeDeviceRecord, EncodeDeviceRecord);
        Check(*lists.Ethernet().Nth(lists.Count(mode)) == DecodeDeviceRecord(body), "the list holds the record");
    } else {
        CheckRecord<WlanDeviceRecord>(body, DecodeWlanDeviceRecord, EncodeWlanDeviceRecord);
        Check(*lists.Wlan().Nth(lists.Count(mode)) == DecodeWlanDeviceRecord(body), "the list holds the record");
    }
}

MacAddress MacOf(LanMode mode, std::span<const std::uint8_t> body) {
    return mode == LanMode::Ethernet ? DecodeDeviceRecord(body).mac : DecodeWlanDeviceRecord(body).mac;
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
    std::set<MacAddress> macs;
    while (input.remaining_bytes() > 0) {
        const std::vector<std::uint8_t> datagram =
            input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 512));
        const DiscoveryVerdict classified = ClassifyDiscoveryReply(mode, datagram);
        const DiscoveryVerdict verdict = collector.Take(datagram);
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
        }
        Check(lists.Count(mode) == devices, "one entry per reply");
    }
    return 0;
}
