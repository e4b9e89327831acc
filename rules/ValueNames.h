#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "resources/StringTable.h"

namespace lanvane::rules {

// The tables that name the record's codes, as the summary shows them.
enum class ValueTable {
    networkMode,     // "Infra Network", "Adhoc"
    ipAssignment,    // by the record's dhcp: "Manual allocation", "Automatic Allocation(DHCP)"
    authentication,  // "Open System" ... "WPA2"
    cryptograph,     // "NONE" ... "AES + TKIP"
    eapMode,         // "EAP-PEAP" ... "NONE"
    onOff,           // "Disable", "Enable"
};

// The name of `code` from `strings`; empty when the table does not name the code, so that
// nothing is looked up past a table's end.
std::optional<std::string_view> ValueName(ValueTable table, int code, const StringTable& strings);

// The name of `code`, or the code in decimal when the table does not name it.
std::string ValueText(ValueTable table, int code, const StringTable& strings);

}  // namespace lanvane::rules
