#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "rules/AuthPageRules.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

using namespace auth_code;
using namespace crypt_code;
using test::Refusal;

TEST(AuthPageLeaveTest, AppliesTheRuleOfThePair) {
    const Refusal wepKey{sid::kWepKeyInvalid, ConfigField::wepKey};
    const Refusal pskKey{sid::kPskKeyIncorrect, ConfigField::pskKey};
    const Refusal authId{sid::kCertificateIdIncorrect, ConfigField::authId};
    const Refusal password{sid::kCertificatePasswordIncorrect, ConfigField::authPassword};
    const struct {
        const char* name;
        int authentication;
        int cryptograph;
        std::size_t wepKeyLength;
        bool pskKey;
        bool authId;
        bool authPassword;
        std::optional<Refusal> refusal;
    } cases[] = {
        {"OpenWep128With13", kOpenSystem, kWep128, 13, false, false, false, std::nullopt},
        {"OpenWep128With12", kOpenSystem, kWep128, 12, false, false, false, wepKey},
        {"SharedWep64With26", kSharedKey, kWep64, 26, false, false, false, std::nullopt},
        {"OpenNoneNoKey", kOpenSystem, kNone, 0, false, false, false, std::nullopt},
        {"WpaPskAesEmptyPsk", kWpaPsk, kAes, 0, false, false, false, pskKey},
        {"WpaPskWepShortKey", kWpaPsk, kWep64, 3, false, false, false, std::nullopt},
        {"WpaTkipEmptyId", kWpa, kTkip, 0, false, false, true, authId},
        {"Wpa2AesBothEmpty", kWpa2, kAes, 0, false, false, false, authId},
        {"Wpa2AesEmptyPassword", kWpa2, kAes, 0, false, true, false, password},
        {"Wpa2AesComplete", kWpa2, kAes, 0, false, true, true, std::nullopt},
        {"WpaAesTkipEmpty", kWpa, kAesTkip, 0, false, false, false, std::nullopt},
        {"NoChoiceYet", -1, -1, 0, false, false, false, std::nullopt},
    };
    for (const auto& c : cases) {
        AuthPageValues values;
        values.authentication = c.authentication;
        values.cryptograph = c.cryptograph;
        values.wepKey = test::Chars(c.wepKeyLength);
        values.pskKey = c.pskKey ? "passphrase" : "";
        values.authId = c.authId ? "identity" : "";
        values.authPassword = c.authPassword ? "password" : "";
        EXPECT_EQ(test::RefusalOf(CheckAuthPageLeave(values)), c.refusal) << c.name;
    }
}

TEST(WepKeyLengthTest, NamesTheCryptographByLengthOnly) {
    EXPECT_EQ(WepCryptographForKeyLength(5), kWep64);
    EXPECT_EQ(WepCryptographForKeyLength(10), kWep64);
    EXPECT_EQ(WepCryptographForKeyLength(13), kWep128);
    EXPECT_EQ(WepCryptographForKeyLength(26), kWep128);
    for (const std::size_t length : {0u, 4u, 6u, 12u, 14u, 25u, 27u}) {
        EXPECT_FALSE(WepCryptographForKeyLength(length).has_value()) << length;
    }
}

TEST(AuthenticationChoiceTest, ReplacesOnlyUnsuitableCryptographs) {
    const struct {
        int authentication;
        int before;
        int after;
    } cases[] = {
        {kOpenSystem, kTkip, kNone}, {kOpenSystem, kAes, kNone}, {kOpenSystem, kWep128, kWep128},
        {kOpenSystem, kAesTkip, kAesTkip}, {kSharedKey, kNone, kWep128}, {kSharedKey, kAes, kWep128},
        {kSharedKey, kWep64, kWep64}, {kWpaPsk, kNone, kTkip}, {kWpaPsk, kWep64, kTkip},
        {kWpa2Psk, kAes, kAes}, {kWpa, kAes, kTkip}, {kWpa, kTkip, kTkip},
        {kWpa2, kTkip, kAes}, {kWpa2, kNone, kAes}, {kWpa2, kAesTkip, kAesTkip},
        {kWpa2, -1, -1}, {kSharedKey, -1, -1}, {-1, kNone, kNone},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CryptographAfterAuthenticationChoice(c.authentication, c.before), c.after)
            << "authentication " << c.authentication << ", cryptograph " << c.before;
    }
}

}  // namespace
}  // namespace lanvane::rules
