#pragma once

#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanMode.h"

#include <nlohmann/json.hpp>

#include <vector>

namespace lanvane::cli {

// The device numbered n of the mode's list as JSON, with the names 'read' gives the same
// fields (macAddress, ipAddress, subnetMask, printerPort, inactivityTime, ...): addresses
// as "a.b.c.d", switches as true/false, the baud rate by value (null for a code the table
// does not know), and in WLAN mode the feature code. Null when there is no such device.
nlohmann::ordered_json DeviceToJson(const LanDeviceLists& lists, LanMode mode, int number);

// The numbers of the mode's devices ordered by IP address, then MAC address, so that a
// listing does not change with the order the replies came in.
std::vector<int> DevicesInAddressOrder(const LanDeviceLists& lists, LanMode mode);

}  // namespace lanvane::cli
