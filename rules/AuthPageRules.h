#pragma once

#include <cstddef>
#include <optional>

#include "protocol/PageValues.h"
#include "rules/RuleFailure.h"
#include "rules/ValueCodes.h"

namespace lanvane::rules {

// WEP64 for a key of 5 or 10 characters, WEP128 for 13 or 26; nothing for other lengths.
// Only the length counts, not whether the characters are hexadecimal digits.
std::optional<int> WepCryptographForKeyLength(std::size_t length);

// The cryptograph after an authentication radio was chosen: one that does not suit the new
// authentication is replaced, any other (AES + TKIP and "none" among them) is kept.
int CryptographAfterAuthenticationChoice(int authentication, int cryptograph);

// Leaving the Authentication page, and Update while it is selected, by the authentication
// and cryptograph pair: Open System or Shared Key with WEP needs a WEP key of 5, 10, 13 or 26
// characters (5); WPA-PSK or WPA2-PSK with TKIP, AES or AES + TKIP needs a PSK key the printer
// can join with (19, IsValidPskPassphrase); WPA or WPA2 with TKIP or AES needs an
// Authentication ID (20), then a password (21). Every other pair passes.
RuleResult CheckAuthPageLeave(const AuthPageValues& values);

}  // namespace lanvane::rules
