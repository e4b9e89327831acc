#include "rules/SecurityCombination.h"

#include <algorithm>
#include <array>

#include "rules/ValueCodes.h"

namespace lanvane::rules {

namespace {

constexpr std::array kOpenSystemCryptographs = {crypt_code::kNone, crypt_code::kWep64, crypt_code::kWep128};
constexpr std::array kWepCryptographs = {crypt_code::kWep64, crypt_code::kWep128};
constexpr std::array kWpaCryptographs = {crypt_code::kTkip, crypt_code::kAes, crypt_code::kAesTkip};
constexpr std::array kEapMethods = {eap_code::kPeap, eap_code::kTtls, eap_code::kTls, eap_code::kLeap,
                                    eap_code::kFast};
constexpr std::array kNoEapMethod = {eap_code::kNone};

bool Allows(std::span<const int> allowed, int code) {
    return std::find(allowed.begin(), allowed.end(), code) != allowed.end();
}

bool IsKnownAuthentication(int authentication) {
    return IsOpenOrShared(authentication) || IsWpaKind(authentication);
}

}  // namespace

std::span<const int> CryptographsFor(int authentication) {
    if (authentication == auth_code::kOpenSystem) {
        return kOpenSystemCryptographs;
    }
    if (authentication == auth_code::kSharedKey) {
        return kWepCryptographs;
    }
    return IsWpaKind(authentication) ? std::span<const int>(kWpaCryptographs) : std::span<const int>();
}

std::span<const int> EapModesFor(int authentication) {
    if (IsEapKind(authentication)) {
        return kEapMethods;
    }
    return IsKnownAuthentication(authentication) ? std::span<const int>(kNoEapMethod) : std::span<const int>();
}

std::optional<CombinationRefusal> CheckSecurityChange(const SecuritySetting& reported, const SecuritySetting& wanted) {
    if (!IsKnownAuthentication(wanted.authentication)) {
        return std::nullopt;
    }
    const bool authenticationChanged = wanted.authentication != reported.authentication;
    if ((authenticationChanged || wanted.cryptograph != reported.cryptograph) &&
        !Allows(CryptographsFor(wanted.authentication), wanted.cryptograph)) {
        return CombinationRefusal{ConfigField::cryptograph, CryptographsFor(wanted.authentication)};
    }
    if ((authenticationChanged || wanted.eapMode != reported.eapMode) &&
        !Allows(EapModesFor(wanted.authentication), wanted.eapMode)) {
        return CombinationRefusal{ConfigField::eapMode, EapModesFor(wanted.authentication)};
    }
    return std::nullopt;
}

}  // namespace lanvane::rules
