#include "lan/core/DeviceRowTexts.h"

#include "protocol/AddressText.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace lanvane {

std::string AddressCell(std::uint32_t address, const StringTable& strings) {
    if ((address >> 24) == 0) {
        return std::string(strings.Text(sid::kAddressNotConfigured));
    }
    return AddressText(address);
}

std::string FirmwareCell(const DeviceRecord& record, const StringTable& strings) {
    if (record.fwMajor == 0 && record.fwMinor == 0) {
        return std::string(strings.Text(sid::kVersionNotAvailable));
    }
    return std::to_string(record.fwMajor) + '.' + std::to_string(record.fwMinor);
}

DeviceRow DeviceRowTexts(const DeviceRecord& record, int number, const StringTable& strings) {
    return {std::to_string(number),
            LanMacText(record.mac),
            AddressCell(record.ip, strings),
            AddressCell(record.subnet, strings),
            AddressCell(record.gateway, strings),
            std::to_string(record.port),
            FirmwareCell(record, strings)};
}

std::string WebPageUrl(const DeviceRecord& record) {
    return (record.https != 0 ? "https://" : "http://") + AddressText(record.ip);
}

}  // namespace lanvane
