#pragma once

#include "protocol/InterfaceConfig.h"

// The value codes the rules compare with. The pages hold -1 for "no choice yet".
namespace lanvane::rules {

namespace auth_code {
constexpr int kOpenSystem = 0;
constexpr int kSharedKey = 1;
constexpr int kWpaPsk = 2;
constexpr int kWpa2Psk = 3;
constexpr int kWpa = 4;
constexpr int kWpa2 = 5;
}  // namespace auth_code

namespace crypt_code {
constexpr int kNone = 0;
constexpr int kWep64 = 1;
constexpr int kWep128 = 2;
constexpr int kTkip = 3;
constexpr int kAes = 4;
constexpr int kAesTkip = 5;
}  // namespace crypt_code

namespace eap_code {
constexpr int kPeap = 0;
constexpr int kTtls = 1;
constexpr int kTls = 2;
constexpr int kLeap = 3;
constexpr int kFast = 4;
constexpr int kNone = 5;
}  // namespace eap_code

namespace mode_code {
constexpr int kInfra = static_cast<int>(NetworkMode::Infra);
constexpr int kAdhoc = static_cast<int>(NetworkMode::Adhoc);
constexpr int kWifiDirect = static_cast<int>(NetworkMode::WifiDirect);
}  // namespace mode_code

// The Network page's IP assignment choice.
namespace ip_assignment_code {
constexpr int kAutomatic = 0;
constexpr int kManual = 1;
}  // namespace ip_assignment_code

// The kinds of authentication and cryptograph the rules and the summary tell apart.
constexpr bool IsOpenOrShared(int authentication) {
    return authentication == auth_code::kOpenSystem || authentication == auth_code::kSharedKey;
}

constexpr bool IsPskKind(int authentication) {
    return authentication == auth_code::kWpaPsk || authentication == auth_code::kWpa2Psk;
}

constexpr bool IsEapKind(int authentication) {
    return authentication == auth_code::kWpa || authentication == auth_code::kWpa2;
}

constexpr bool IsWpaKind(int authentication) {
    return IsPskKind(authentication) || IsEapKind(authentication);
}

constexpr bool IsWepCryptograph(int cryptograph) {
    return cryptograph == crypt_code::kWep64 || cryptograph == crypt_code::kWep128;
}

// TKIP or AES alone; AES + TKIP is not among them.
constexpr bool IsTkipOrAes(int cryptograph) {
    return cryptograph == crypt_code::kTkip || cryptograph == crypt_code::kAes;
}

// TKIP, AES or AES + TKIP.
constexpr bool IsWpaCryptograph(int cryptograph) {
    return IsTkipOrAes(cryptograph) || cryptograph == crypt_code::kAesTkip;
}

}  // namespace lanvane::rules
