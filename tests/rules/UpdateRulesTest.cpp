#include <gtest/gtest.h>

#include <optional>

#include "rules/UpdateRules.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

using test::Chars;
using test::ValidValues;

ConfigPageValues WithWep(int cryptograph, std::size_t keyLength) {
    ConfigPageValues values = ValidValues();
    values.auth.authentication = auth_code::kOpenSystem;
    values.auth.cryptograph = cryptograph;
    values.auth.wepKey = Chars(keyLength);
    return values;
}

TEST(UpdateCheckTest, OnlyTheSelectedPageIsChecked) {
    ConfigPageValues values = ValidValues();
    values.system.printerPort = 80;
    EXPECT_EQ(CheckUpdate(ConfigPage::systemInformation, values).failure->messageId,
              sid::kPortNumberIncorrect);
    EXPECT_TRUE(CheckUpdate(ConfigPage::protocol, values).Passed());
    EXPECT_TRUE(CheckUpdate(ConfigPage::bssInformation, values).Passed());
    EXPECT_TRUE(CheckUpdate(ConfigPage::certification, values).Passed());
}

// The WEP key field's length names the cryptograph written, whichever page is selected
// and whatever the authentication; under other cryptographs the key is not judged.
TEST(UpdateCheckTest, WepKeyFieldLengthDecidesTheCryptograph) {
    struct Row {
        ConfigPage page;
        int authentication;
        int cryptograph;
        std::size_t length;
        std::optional<int> written;  // none: refused
    };
    const Row rows[] = {
        {ConfigPage::authentication, auth_code::kOpenSystem, crypt_code::kWep64, 26, crypt_code::kWep128},
        {ConfigPage::network, auth_code::kWpaPsk, crypt_code::kWep128, 10, crypt_code::kWep64},
        {ConfigPage::protocol, auth_code::kOpenSystem, crypt_code::kWep128, 12, std::nullopt},
        {ConfigPage::network, auth_code::kWpaPsk, crypt_code::kWep128, 3, std::nullopt},
    };
    for (const Row& row : rows) {
        ConfigPageValues values = WithWep(row.cryptograph, row.length);
        values.auth.authentication = row.authentication;
        const UpdateCheck check = CheckUpdate(row.page, values);
        EXPECT_EQ(check.wepCryptograph, row.written) << row.length;
        EXPECT_EQ(check.Passed(), row.written.has_value()) << row.length;
        if (!check.Passed()) {
            EXPECT_EQ(check.failure->messageId, sid::kWepKeyInvalid);
            EXPECT_EQ(check.failure->field, ConfigField::wepKey);
        }
    }
    ConfigPageValues other = ValidValues();
    other.auth.wepKey = Chars(3);
    EXPECT_TRUE(CheckUpdate(ConfigPage::authentication, other).Passed());
}

// The PIN length is checked with the extended record only, on any page; the accepted WEP key
// is reported even when the PIN fails.
TEST(UpdateCheckTest, PinLengthIsCheckedWithTheExtendedRecordOnly) {
    ConfigPageValues values = WithWep(crypt_code::kWep64, 13);
    values.network.p2pPinCode = Chars(5);
    EXPECT_TRUE(CheckUpdate(ConfigPage::bssInformation, values).Passed());
    values.extendedRecord = true;
    const UpdateCheck check = CheckUpdate(ConfigPage::bssInformation, values);
    EXPECT_EQ(check.failure->messageId, sid::kIncorrectPin);
    EXPECT_EQ(check.failure->field, ConfigField::p2pPinCode);
    EXPECT_EQ(check.wepCryptograph, crypt_code::kWep128);
}

TEST(UpdateCheckTest, PageFailureComesBeforeTheKeyChecks) {
    ConfigPageValues values = WithWep(crypt_code::kWep64, 12);
    values.protocol.trapCommunity.clear();
    EXPECT_EQ(CheckUpdate(ConfigPage::protocol, values).failure->messageId,
              sid::kTrapCommunityIncorrect);
}

TEST(WholeConfigCheckTest, ChecksEveryEditablePageInTabOrder) {
    ConfigPageValues values = ValidValues();
    EXPECT_TRUE(CheckWholeConfig(values).Passed());

    values.auth.pskKey.clear();
    EXPECT_EQ(CheckWholeConfig(values).failure->messageId, sid::kPskKeyIncorrect);
    values.network.ssid.clear();
    EXPECT_EQ(CheckWholeConfig(values).failure->messageId, sid::kSsidIncorrect);
    values.protocol.getCommunity.clear();
    EXPECT_EQ(CheckWholeConfig(values).failure->messageId, sid::kCommunityNameIncorrect);
    values.system.userId.clear();
    EXPECT_EQ(CheckWholeConfig(values).failure->messageId, sid::kUserIdIncorrect);
}

}  // namespace
}  // namespace lanvane::rules
