#pragma once

#include "lan/core/DeviceRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lanvane {

class StringTable;

// The cells of a device list row: number, MAC, IP, subnet, gateway, port, version.
using DeviceRow = std::array<std::string, 7>;

// The address, or the table's "Not Configuration" when its first octet is 0.
std::string AddressCell(std::uint32_t address, const StringTable& strings);
// "major.minor", or the table's "N/A" for 0.0.
std::string FirmwareCell(const DeviceRecord& record, const StringTable& strings);
DeviceRow DeviceRowTexts(const DeviceRecord& record, int number, const StringTable& strings);

// "http://a.b.c.d", or "https://a.b.c.d" for a printer that serves its page over https.
std::string WebPageUrl(const DeviceRecord& record);

}  // namespace lanvane
