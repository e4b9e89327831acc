#pragma once

#include <optional>
#include <span>

#include "rules/ConfigField.h"

namespace lanvane::rules {

// The authentication, cryptograph and EAP mode codes of a record.
struct SecuritySetting {
    int authentication = 0;
    int cryptograph = 0;
    int eapMode = 0;

    bool operator==(const SecuritySetting&) const = default;
};

// What the Authentication page offers with each authentication: NONE or WEP with Open System,
// WEP with Shared Key, TKIP, AES or AES + TKIP with the four WPA kinds; one of the five EAP
// methods with WPA and WPA2, and none with the others. Empty for a code outside the table.
std::span<const int> CryptographsFor(int authentication);
std::span<const int> EapModesFor(int authentication);

// A cryptograph or EAP mode that does not go with the authentication: the field and the
// codes it allows.
struct CombinationRefusal {
    ConfigField field;
    std::span<const int> allowed;
};

// The combination about to be written, judged where it changed: the cryptograph when it or
// the authentication did, the EAP mode when it or the authentication did. An unchanged pair
// goes back as the printer reported it, and so does anything with an authentication the
// table does not know.
std::optional<CombinationRefusal> CheckSecurityChange(const SecuritySetting& reported, const SecuritySetting& wanted);

}  // namespace lanvane::rules
