#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "editor/rules/AuthPageRules.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

using namespace auth_code;
using namespace crypt_code;
using test::Chars;

struct AuthCase {
    const char* name;
    int authentication;
    int cryptograph;
    std::size_t wepKeyLength;
    bool pskKey;
    bool authId;
    bool authPassword;
    std::optional<int> messageId;
    ConfigField field = ConfigField::authentication;
};

void PrintTo(const AuthCase& authCase, std::ostream* out) {
    *out << authCase.name;
}

class AuthPageLeaveTest : public testing::TestWithParam<AuthCase> {};

TEST_P(AuthPageLeaveTest, AppliesTheRuleOfThePair) {
    const AuthCase& c = GetParam();
    AuthPageValues values;
    values.authentication = c.authentication;
    values.cryptograph = c.cryptograph;
    values.wepKey = Chars(c.wepKeyLength);
    values.pskKey = c.pskKey ? "passphrase" : "";
    values.authId = c.authId ? "identity" : "";
    values.authPassword = c.authPassword ? "password" : "";

    const RuleResult result = CheckAuthPageLeave(values);
    if (!c.messageId) {
        EXPECT_FALSE(result.has_value());
        return;
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->messageId, *c.messageId);
    EXPECT_EQ(result->field, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, AuthPageLeaveTest,
    testing::Values(
        AuthCase{"OpenWep128With13", kOpenSystem, kWep128, 13, false, false, false, std::nullopt},
        AuthCase{"OpenWep128With12", kOpenSystem, kWep128, 12, false, false, false, sid::kWepKeyInvalid,
                 ConfigField::wepKey},
        AuthCase{"SharedWep64With10", kSharedKey, kWep64, 10, false, false, false, std::nullopt},
        AuthCase{"SharedWep64With26", kSharedKey, kWep64, 26, false, false, false, std::nullopt},
        AuthCase{"SharedWep64Empty", kSharedKey, kWep64, 0, false, false, false, sid::kWepKeyInvalid,
                 ConfigField::wepKey},
        AuthCase{"OpenNoneNoKey", kOpenSystem, kNone, 0, false, false, false, std::nullopt},
        AuthCase{"OpenAesTkipNoKey", kOpenSystem, kAesTkip, 0, false, false, false, std::nullopt},
        AuthCase{"WpaPskAesEmptyPsk", kWpaPsk, kAes, 0, false, false, false, sid::kPskKeyIncorrect,
                 ConfigField::pskKey},
        AuthCase{"Wpa2PskTkipEmptyPsk", kWpa2Psk, kTkip, 0, false, false, false, sid::kPskKeyIncorrect,
                 ConfigField::pskKey},
        AuthCase{"WpaPskAesTkipEmptyPsk", kWpaPsk, kAesTkip, 0, false, false, false, std::nullopt},
        AuthCase{"WpaPskWepShortKey", kWpaPsk, kWep64, 3, false, false, false, std::nullopt},
        AuthCase{"WpaTkipEmptyId", kWpa, kTkip, 0, false, false, true, sid::kCertificateIdIncorrect,
                 ConfigField::authId},
        AuthCase{"Wpa2AesBothEmpty", kWpa2, kAes, 0, false, false, false, sid::kCertificateIdIncorrect,
                 ConfigField::authId},
        AuthCase{"Wpa2AesEmptyPassword", kWpa2, kAes, 0, false, true, false,
                 sid::kCertificatePasswordIncorrect, ConfigField::authPassword},
        AuthCase{"Wpa2AesComplete", kWpa2, kAes, 0, false, true, true, std::nullopt},
        AuthCase{"WpaAesTkipEmpty", kWpa, kAesTkip, 0, false, false, false, std::nullopt},
        AuthCase{"NoChoiceYet", -1, -1, 0, false, false, false, std::nullopt}),
    [](const testing::TestParamInfo<AuthCase>& param) { return param.param.name; });

TEST(WepKeyLengthTest, NamesTheCryptographByLengthOnly) {
    EXPECT_EQ(WepCryptographForKeyLength(5), kWep64);
    EXPECT_EQ(WepCryptographForKeyLength(10), kWep64);
    EXPECT_EQ(WepCryptographForKeyLength(13), kWep128);
    EXPECT_EQ(WepCryptographForKeyLength(26), kWep128);
    for (const std::size_t length : {0u, 4u, 6u, 12u, 14u, 25u, 27u}) {
        EXPECT_FALSE(WepCryptographForKeyLength(length).has_value()) << length;
    }
}

struct ChoiceCase {
    int authentication;
    int before;
    int after;
};

void PrintTo(const ChoiceCase& choice, std::ostream* out) {
    *out << choice.authentication << '/' << choice.before;
}

class AuthenticationChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(AuthenticationChoiceTest, ReplacesOnlyUnsuitableCryptographs) {
    EXPECT_EQ(CryptographAfterAuthenticationChoice(GetParam().authentication, GetParam().before),
              GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AuthenticationChoiceTest,
    testing::Values(ChoiceCase{kOpenSystem, kTkip, kNone}, ChoiceCase{kOpenSystem, kAes, kNone},
                    ChoiceCase{kOpenSystem, kWep128, kWep128}, ChoiceCase{kOpenSystem, kAesTkip, kAesTkip},
                    ChoiceCase{kSharedKey, kNone, kWep128}, ChoiceCase{kSharedKey, kTkip, kWep128},
                    ChoiceCase{kSharedKey, kAes, kWep128}, ChoiceCase{kSharedKey, kWep64, kWep64},
                    ChoiceCase{kWpaPsk, kNone, kTkip}, ChoiceCase{kWpaPsk, kWep64, kTkip},
                    ChoiceCase{kWpa2Psk, kWep128, kTkip}, ChoiceCase{kWpa2Psk, kAes, kAes},
                    ChoiceCase{kWpa, kAes, kTkip}, ChoiceCase{kWpa, kWep128, kTkip},
                    ChoiceCase{kWpa, kTkip, kTkip}, ChoiceCase{kWpa2, kTkip, kAes},
                    ChoiceCase{kWpa2, kNone, kAes}, ChoiceCase{kWpa2, kAes, kAes},
                    ChoiceCase{kWpa2, kAesTkip, kAesTkip}, ChoiceCase{kWpa2, -1, -1},
                    ChoiceCase{kSharedKey, -1, -1}, ChoiceCase{-1, kNone, kNone}),
    [](const testing::TestParamInfo<ChoiceCase>& param) {
        const auto code = [](int value) { return value < 0 ? std::string("None") : std::to_string(value); };
        return "Auth" + code(param.param.authentication) + "Crypt" + code(param.param.before);
    });

}  // namespace
}  // namespace lanvane::rules
