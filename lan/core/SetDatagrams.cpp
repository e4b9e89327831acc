#include "lan/core/SetDatagrams.h"

#include "lan/core/DatagramBytes.h"
#include "lan/core/LanTags.h"
#include "resources/StringIds.h"

namespace lanvane {
namespace {

constexpr std::size_t kEthernetSentBytes = DeviceRecord::kSize - 1;

}  // namespace

std::vector<std::uint8_t> EthernetSetDatagram(const DeviceRecord& record) {
    const auto bytes = EncodeDeviceRecord(record);
    return TagThen(lan_tag::kSett, std::span(bytes).first(kEthernetSentBytes));
}

std::vector<std::uint8_t> WlanSetDatagram(const WlanDeviceRecord& record) {
    const auto bytes = EncodeWlanDeviceRecord(record);
    return TagThen(lan_tag::kPrinterSet, bytes);
}

Confirmation ClassifyConfirmation(LanMode mode, std::span<const std::uint8_t> datagram) {
    const std::size_t minimum =
        mode == LanMode::Ethernet ? kEthernetConfirmationMinimum : kWlanConfirmationMinimum;
    if (datagram.size() < minimum) {
        return Confirmation::None;
    }
    if (StartsWithTag(datagram, lan_tag::kSetc)) {
        return Confirmation::Setc;
    }
    if (mode == LanMode::Wlan && StartsWithTag(datagram, lan_tag::kSetResponse)) {
        return Confirmation::SetResponse;
    }
    return Confirmation::None;
}

Confirmation ConfirmationFrom(LanMode mode, std::span<const std::uint8_t> datagram, std::string_view sender,
                              std::string_view printerAddress) {
    if (printerAddress.empty() || sender != printerAddress) {
        return Confirmation::None;
    }
    return ClassifyConfirmation(mode, datagram);
}

int ConfirmationMessage(Confirmation confirmation) {
    return confirmation == Confirmation::SetResponse ? sid::kWlanSettingCompleted
                                                     : sid::kEthernetSettingCompleted;
}

}  // namespace lanvane
