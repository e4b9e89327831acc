#include "lan/core/LanSetting.h"

#include "lan/core/WaitDeadline.h"

#include <utility>

namespace lanvane {

std::vector<std::uint8_t> SetDatagramOf(LanMode mode, const LanDeviceLists& lists, int number) {
    if (mode == LanMode::Ethernet) {
        const DeviceRecord* record = lists.Ethernet().Nth(number);
        return record != nullptr ? EthernetSetDatagram(*record) : std::vector<std::uint8_t>{};
    }
    const WlanDeviceRecord* record = lists.Wlan().Nth(number);
    return record != nullptr ? WlanSetDatagram(*record) : std::vector<std::uint8_t>{};
}

UdpResult LanSetting::Send(std::span<const std::uint8_t> datagram, std::string printerAddress) {
    printerAddress_ = std::move(printerAddress);
    return socket_.Broadcast(datagram);
}

std::optional<Confirmation> LanSetting::TakeOne() {
    const auto datagram = socket_.TakeWaiting();
    if (!datagram) {
        return std::nullopt;
    }
    return ConfirmationFrom(socket_.Mode(), datagram->View(), datagram->senderAddress, printerAddress_);
}

Confirmation AwaitConfirmation(LanSetting& setting, std::chrono::milliseconds limit) {
    const WaitDeadline deadline(limit);
    while (deadline.Remaining().count() > 0 && setting.Socket().WaitReadable(deadline.Remaining())) {
        while (const auto confirmation = setting.TakeOne()) {
            if (*confirmation != Confirmation::None) {
                return *confirmation;
            }
        }
    }
    return Confirmation::None;
}

}  // namespace lanvane
