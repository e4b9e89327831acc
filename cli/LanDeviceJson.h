#pragma once

#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanMode.h"

#include <nlohmann/json.hpp>

namespace lanvane::cli {

// The device numbered n of the mode's list as JSON: its number and record fields,
// addresses as "a.b.c.d", the baud rate by value (null for a code the table does not
// know), and in WLAN mode the feature code. Null when there is no such device.
nlohmann::ordered_json DeviceToJson(const LanDeviceLists& lists, LanMode mode, int number);

}  // namespace lanvane::cli
