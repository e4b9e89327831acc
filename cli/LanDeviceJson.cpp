#include "cli/LanDeviceJson.h"

#include "protocol/AddressText.h"
#include "lan/core/BaudTable.h"

#include <string>

namespace lanvane::cli {

nlohmann::ordered_json DeviceToJson(const LanDeviceLists& lists, LanMode mode, int number) {
    const DeviceRecord* record = lists.Nth(mode, number);
    if (record == nullptr) {
        return nullptr;
    }
    nlohmann::ordered_json device = {
        {"no", number},
        {"mac", LanMacText(record->mac)},
        {"ip", AddressText(record->ip)},
        {"subnet", AddressText(record->subnet)},
        {"gateway", AddressText(record->gateway)},
        {"port", record->port},
        {"version", std::to_string(record->fwMajor) + '.' + std::to_string(record->fwMinor)},
        {"dhcp", record->dhcp != 0},
        {"inactivity", record->inactivity},
        {"baudRate", nullptr},
        {"https", record->https != 0},
    };
    if (const auto index = BaudIndexOfCode(record->baudCode)) {
        device["baudRate"] = kBaudTable[static_cast<std::size_t>(*index)].rate;
    }
    if (mode == LanMode::Wlan) {
        device["featureCode"] = lists.Wlan().Nth(number)->featureCode;
    }
    return device;
}

}  // namespace lanvane::cli
