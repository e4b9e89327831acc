#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "protocol/AddressText.h"
#include "rules/ManualAddressRules.h"
#include "rules/PskPassphrase.h"
#include "rules/SecurityCombination.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

using test::Refusal;

TEST(PskPassphraseTest, LengthsAndCharacters) {
    const struct {
        std::string key;
        bool valid;
    } cases[] = {
        {std::string(7, 'x'), false},
        {std::string(8, 'x'), true},
        {std::string(63, '~'), true},
        {std::string(64, 'x'), false},  // 64 characters must be hexadecimal digits
        {std::string(62, 'F') + "0a", true},
        {std::string(63, 'a') + "g", false},
        {std::string(65, 'a'), false},
        {"pass phrase", true},
        {"pass\tphrase", false},
        {"caf\xc3\xa9-passphrase", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidPskPassphrase(c.key), c.valid) << c.key.size() << " " << c.key;
    }
}

std::uint32_t Address(const char* text) {
    return *ParseAddressText(text);
}

TEST(ManualAddressTest, EachForbiddenKindIsRefusedAtItsField) {
    const Refusal mask{sid::kSubnetMaskInvalid, ConfigField::subnetMask};
    const auto ip = [](int messageId) { return Refusal{messageId, ConfigField::ipAddress}; };
    const auto gateway = [](int messageId) { return Refusal{messageId, ConfigField::gateway}; };
    const struct {
        const char* ip;
        const char* mask;
        const char* gateway;
        std::optional<Refusal> refusal;
    } cases[] = {
        {"10.20.30.40", "255.255.255.0", "10.20.30.1", std::nullopt},
        {"10.20.30.40", "255.255.252.0", "10.20.28.1", std::nullopt},
        {"10.20.30.40", "255.255.255.1", "10.20.30.1", mask},
        {"10.20.30.40", "0.0.0.0", "0.0.0.0", mask},
        {"0.0.0.0", "255.255.255.0", "0.0.0.0", ip(sid::kAddressCannotBeUsed)},
        {"127.255.255.254", "255.255.255.0", "0.0.0.0", ip(sid::kAddressIsLoopback)},
        {"224.0.0.1", "255.255.255.0", "0.0.0.0", ip(sid::kAddressIsMulticast)},
        {"255.255.255.255", "255.255.255.0", "0.0.0.0", ip(sid::kAddressIsMulticast)},
        {"223.255.255.254", "255.255.255.0", "0.0.0.0", std::nullopt},
        {"10.20.30.0", "255.255.255.0", "0.0.0.0", ip(sid::kAddressIsSubnetNetwork)},
        {"10.20.31.255", "255.255.254.0", "0.0.0.0", ip(sid::kAddressIsSubnetBroadcast)},
        {"10.20.30.40", "255.255.255.255", "0.0.0.0", ip(sid::kAddressIsSubnetNetwork)},
        {"10.20.30.40", "255.255.255.0", "10.20.31.1", gateway(sid::kGatewayOutsideSubnet)},
        {"10.20.30.40", "255.255.255.0", "10.20.30.255", gateway(sid::kGatewayOutsideSubnet)},
        {"10.20.30.40", "255.255.255.0", "10.20.30.0", gateway(sid::kGatewayOutsideSubnet)},
        {"10.20.30.40", "255.255.255.0", "10.20.30.40", gateway(sid::kGatewayIsPrinterAddress)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::RefusalOf(CheckManualAddress(Address(c.ip), Address(c.mask), Address(c.gateway))), c.refusal)
            << c.ip << "/" << c.mask << " via " << c.gateway;
    }
}

// Leaving DHCP, or changing one part of a manual address, judges the whole address.
TEST(ManualAddressTest, LeavingDhcpOrChangingAPartJudgesTheWholeAddress) {
    const AddressSetting broken{false, Address("10.20.30.255"), Address("255.0.255.0"), Address("1.2.3.4")};
    AddressSetting leftDhcp = broken;
    const AddressSetting reportedDhcp{true, broken.ip, broken.mask, broken.gateway};
    EXPECT_EQ(CheckAddressChange(reportedDhcp, leftDhcp)->field, ConfigField::subnetMask);
    leftDhcp.mask = Address("255.255.255.0");
    EXPECT_EQ(CheckAddressChange(broken, leftDhcp)->messageId, sid::kAddressIsSubnetBroadcast);
}

TEST(SecurityCombinationTest, OnlyWhatTheAuthenticationPageOffersPasses) {
    using namespace auth_code;
    using namespace crypt_code;
    const struct {
        SecuritySetting wanted;
        std::optional<ConfigField> refused;
    } cases[] = {
        {{kOpenSystem, kNone, eap_code::kNone}, std::nullopt},
        {{kOpenSystem, kWep64, eap_code::kNone}, std::nullopt},
        {{kSharedKey, kWep128, eap_code::kNone}, std::nullopt},
        {{kSharedKey, kNone, eap_code::kNone}, ConfigField::cryptograph},
        {{kWpaPsk, kAesTkip, eap_code::kNone}, std::nullopt},
        {{kWpa2Psk, kWep128, eap_code::kNone}, ConfigField::cryptograph},
        {{kWpa2Psk, kAes, eap_code::kTls}, ConfigField::eapMode},
        {{kWpa, kTkip, eap_code::kPeap}, std::nullopt},
        {{kWpa2, kAes, eap_code::kFast}, std::nullopt},
        {{kWpa2, kAes, eap_code::kNone}, ConfigField::eapMode},
        {{kOpenSystem, kNone, eap_code::kLeap}, ConfigField::eapMode},
    };
    const SecuritySetting reported{kWpa2Psk, kAes, eap_code::kNone};
    for (const auto& c : cases) {
        const auto refusal = CheckSecurityChange(reported, c.wanted);
        EXPECT_EQ(refusal ? std::optional(refusal->field) : std::nullopt, c.refused)
            << c.wanted.authentication << "/" << c.wanted.cryptograph << "/" << c.wanted.eapMode;
    }
    EXPECT_EQ(std::vector<int>(CryptographsFor(kOpenSystem).begin(), CryptographsFor(kOpenSystem).end()),
              (std::vector{kNone, kWep64, kWep128}));
}

// A printer's own odd pair goes back as it came; a change judges only what it touches.
TEST(SecurityCombinationTest, UnchangedPairsAreNotJudged) {
    using namespace auth_code;
    using namespace crypt_code;
    const SecuritySetting reported{kWpa2Psk, kWep64, eap_code::kPeap};
    EXPECT_EQ(CheckSecurityChange(reported, reported), std::nullopt);
    EXPECT_EQ(CheckSecurityChange(reported, {kWpa2Psk, kWep64, eap_code::kNone}), std::nullopt);
    EXPECT_EQ(CheckSecurityChange(reported, {kWpa2Psk, kTkip, eap_code::kPeap}), std::nullopt);
    EXPECT_EQ(CheckSecurityChange({9, kAes, 7}, {9, kNone, 7}), std::nullopt);
}

}  // namespace
}  // namespace lanvane::rules
