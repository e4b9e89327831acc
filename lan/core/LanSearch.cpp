#include "lan/core/LanSearch.h"

#include "lan/core/DiscoveryDatagrams.h"
#include "lan/core/WaitDeadline.h"

namespace lanvane {

LanSearch::LanSearch(LanMode mode, const LanNetworkOptions& network, LanDeviceLists& lists)
    : socket_(mode, network), collector_(mode, lists), moreAddresses_(network.moreSearchAddresses) {}

UdpResult LanSearch::Start() {
    collector_.Begin();
    if (const UdpResult opened = socket_.Open(); opened != UdpResult::Ok) {
        return opened;
    }
    const auto request = DiscoveryRequest(socket_.Mode());
    UdpResult sent = socket_.Broadcast(request);
    for (const std::string& address : moreAddresses_) {
        if (socket_.BroadcastTo(address, request) == UdpResult::Ok) {
            sent = UdpResult::Ok;
        }
    }
    return sent;
}

std::optional<DiscoveryVerdict> LanSearch::TakeOne() {
    const auto datagram = socket_.TakeWaiting();
    if (!datagram) {
        return std::nullopt;
    }
    return collector_.Take(datagram->View(), datagram->senderAddress);
}

UdpResult RunSearch(LanSearch& search, std::chrono::milliseconds duration) {
    if (const UdpResult started = search.Start(); started != UdpResult::Ok) {
        return started;
    }
    const WaitDeadline deadline(duration);
    while (deadline.Remaining().count() > 0 && search.Socket().WaitReadable(deadline.Remaining())) {
        while (search.TakeOne()) {
        }
    }
    return UdpResult::Ok;
}

}  // namespace lanvane
