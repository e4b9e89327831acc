#include "lan/core/DiscoveryDatagrams.h"

#include "lan/core/DatagramBytes.h"
#include "lan/core/DeviceRecord.h"
#include "lan/core/LanTags.h"

#include <algorithm>
#include <string_view>

namespace lanvane {
namespace {

std::string_view ReplyHeader(LanMode mode) {
    return mode == LanMode::Ethernet ? lan_tag::kImin : lan_tag::kRegisterResponse;
}

// Whether the datagram's bytes agree with the header as far as both go.
bool AgreesWithHeader(std::span<const std::uint8_t> datagram, std::string_view header) {
    const std::size_t compared = std::min(datagram.size(), header.size());
    return StartsWithTag(datagram.first(compared), header.substr(0, compared));
}

}  // namespace

std::vector<std::uint8_t> DiscoveryRequest(LanMode mode) {
    return TagThen(mode == LanMode::Ethernet ? lan_tag::kFind : lan_tag::kPrinterRegister, {});
}

std::size_t DiscoveryReplySize(LanMode mode) {
    return ReplyHeader(mode).size() + (mode == LanMode::Ethernet ? DeviceRecord::kSize : WlanDeviceRecord::kSize);
}

DiscoveryVerdict ClassifyDiscoveryReply(LanMode mode, std::span<const std::uint8_t> datagram) {
    if (!AgreesWithHeader(datagram, ReplyHeader(mode))) {
        return DiscoveryVerdict::Ignored;
    }
    return datagram.size() < DiscoveryReplySize(mode) ? DiscoveryVerdict::Truncated : DiscoveryVerdict::Device;
}

std::span<const std::uint8_t> DiscoveryReplyBody(LanMode mode, std::span<const std::uint8_t> datagram) {
    const std::size_t header = ReplyHeader(mode).size();
    return datagram.size() > header ? datagram.subspan(header) : std::span<const std::uint8_t>{};
}

}  // namespace lanvane
