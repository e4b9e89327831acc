#include "cli/LanDeviceJson.h"

#include "protocol/AddressText.h"
#include "lan/core/BaudTable.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>

namespace lanvane::cli {

nlohmann::ordered_json DeviceToJson(const LanDeviceLists& lists, LanMode mode, int number) {
    const DeviceRecord* record = lists.Nth(mode, number);
    if (record == nullptr) {
        return nullptr;
    }
    nlohmann::ordered_json device = {
        {"macAddress", LanMacText(record->mac)},
        {"ipAddress", AddressText(record->ip)},
        {"subnetMask", AddressText(record->subnet)},
        {"gateway", AddressText(record->gateway)},
        {"printerPort", record->port},
        {"firmwareVersion", std::to_string(record->fwMajor) + '.' + std::to_string(record->fwMinor)},
        {"dhcp", record->dhcp != 0},
        {"inactivityTime", record->inactivity},
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

std::vector<int> DevicesInAddressOrder(const LanDeviceLists& lists, LanMode mode) {
    std::vector<int> numbers(static_cast<std::size_t>(lists.Count(mode)));
    std::iota(numbers.begin(), numbers.end(), 1);
    std::stable_sort(numbers.begin(), numbers.end(), [&](int left, int right) {
        const DeviceRecord& a = *lists.Nth(mode, left);
        const DeviceRecord& b = *lists.Nth(mode, right);
        return std::tie(a.ip, a.mac) < std::tie(b.ip, b.mac);
    });
    return numbers;
}

}  // namespace lanvane::cli
