#pragma once

#include <string_view>

namespace lanvane::rules {

// The rule in words, for reports outside the windows.
inline constexpr std::string_view kPskPassphraseRule =
    "a WPA-PSK or WPA2-PSK passphrase has 8 to 63 printable ASCII characters, or is 64 hexadecimal digits";

// 8 to 63 printable ASCII characters (space to tilde), or exactly 64 hexadecimal digits, the
// raw key. Anything else leaves the printer unable to join its network.
bool IsValidPskPassphrase(std::string_view key);

}  // namespace lanvane::rules
