#include "lan/core/DiscoveryDatagrams.h"

#include "lan/core/DatagramBytes.h"
#include "lan/core/LanTags.h"

#include <string_view>

namespace lanvane {
namespace {

std::string_view ReplyHeader(LanMode mode) {
    return mode == LanMode::Ethernet ? lan_tag::kImin : lan_tag::kRegisterResponse;
}

}  // namespace

std::vector<std::uint8_t> DiscoveryRequest(LanMode mode) {
    return TagThen(mode == LanMode::Ethernet ? lan_tag::kFind : lan_tag::kPrinterRegister, {});
}

DiscoveryVerdict ClassifyDiscoveryReply(LanMode mode, std::span<const std::uint8_t> datagram) {
    if (mode == LanMode::Wlan && datagram.size() < kWlanReplyMinimum) {
        return DiscoveryVerdict::EndsSearch;
    }
    if (mode == LanMode::Ethernet && datagram.size() < kEthernetReplyMinimum) {
        return DiscoveryVerdict::Ignored;
    }
    return StartsWithTag(datagram, ReplyHeader(mode)) ? DiscoveryVerdict::Device : DiscoveryVerdict::Ignored;
}

std::span<const std::uint8_t> DiscoveryReplyBody(LanMode mode, std::span<const std::uint8_t> datagram) {
    const std::size_t header = ReplyHeader(mode).size();
    return datagram.size() > header ? datagram.subspan(header) : std::span<const std::uint8_t>{};
}

}  // namespace lanvane
