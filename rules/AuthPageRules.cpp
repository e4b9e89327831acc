#include "rules/AuthPageRules.h"

#include "rules/PskPassphrase.h"
#include "rules/ValueCodes.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

RuleResult CheckWepKey(const AuthPageValues& values) {
    if (!WepCryptographForKeyLength(values.wepKey.size())) {
        return MakeFailure(sid::kWepKeyInvalid, ConfigField::wepKey);
    }
    return std::nullopt;
}

RuleResult CheckPskKey(const AuthPageValues& values) {
    if (!IsValidPskPassphrase(values.pskKey)) {
        return MakeFailure(sid::kPskKeyIncorrect, ConfigField::pskKey);
    }
    return std::nullopt;
}

RuleResult CheckEapCredentials(const AuthPageValues& values) {
    if (values.authId.empty()) {
        return MakeFailure(sid::kCertificateIdIncorrect, ConfigField::authId);
    }
    if (values.authPassword.empty()) {
        return MakeFailure(sid::kCertificatePasswordIncorrect, ConfigField::authPassword);
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> WepCryptographForKeyLength(std::size_t length) {
    switch (length) {
        case 5:
        case 10: return crypt_code::kWep64;
        case 13:
        case 26: return crypt_code::kWep128;
        default: return std::nullopt;
    }
}

int CryptographAfterAuthenticationChoice(int authentication, int cryptograph) {
    const bool noneOrWep = cryptograph == crypt_code::kNone || IsWepCryptograph(cryptograph);
    switch (authentication) {
        case auth_code::kOpenSystem:
            return IsTkipOrAes(cryptograph) ? crypt_code::kNone : cryptograph;
        case auth_code::kSharedKey:
            return (cryptograph == crypt_code::kNone || IsTkipOrAes(cryptograph)) ? crypt_code::kWep128
                                                                                   : cryptograph;
        case auth_code::kWpaPsk:
        case auth_code::kWpa2Psk:
            return noneOrWep ? crypt_code::kTkip : cryptograph;
        case auth_code::kWpa:
            return (noneOrWep || cryptograph == crypt_code::kAes) ? crypt_code::kTkip : cryptograph;
        case auth_code::kWpa2:
            return (noneOrWep || cryptograph == crypt_code::kTkip) ? crypt_code::kAes : cryptograph;
        default: return cryptograph;
    }
}

RuleResult CheckAuthPageLeave(const AuthPageValues& values) {
    if (IsOpenOrShared(values.authentication) && IsWepCryptograph(values.cryptograph)) {
        return CheckWepKey(values);
    }
    if (IsPskKind(values.authentication) && IsWpaCryptograph(values.cryptograph)) {
        return CheckPskKey(values);
    }
    if (IsEapKind(values.authentication) && IsTkipOrAes(values.cryptograph)) {
        return CheckEapCredentials(values);
    }
    return std::nullopt;
}

}  // namespace lanvane::rules
