#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "rules/NetworkPageRules.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

using test::Chars;

NetworkPageValues ValidNetwork() {
    return test::ValidValues().network;
}

std::vector<test::Refusal> Refusals(const std::vector<RuleFailure>& failures) {
    std::vector<test::Refusal> refusals;
    for (const RuleFailure& failure : failures) {
        refusals.push_back({failure.messageId, failure.field});
    }
    return refusals;
}

TEST(NetworkPageLeaveTest, PinLengthRuleHoldsInEveryMode) {
    const std::vector<test::Refusal> pin = {{sid::kIncorrectPin, ConfigField::p2pPinCode}};
    for (const int mode : {mode_code::kInfra, mode_code::kAdhoc, mode_code::kWifiDirect}) {
        NetworkPageValues values = ValidNetwork();
        values.networkMode = mode;
        values.adhocChannel = 6;
        for (const std::size_t length : {0u, 1u, 3u, 4u, 5u, 6u, 7u, 8u, 9u}) {
            values.p2pPinCode = Chars(length);
            const bool valid = length == 4 || length >= 8;
            EXPECT_EQ(Refusals(CheckNetworkPageLeave(values)), valid ? std::vector<test::Refusal>{} : pin)
                << "mode " << mode << ", PIN of " << length;
        }
    }
}

// Channel 0 counts in Adhoc mode only, and there it stops before the other rules; numbers
// beyond their range would be cut in the record (channel 256 to 0).
TEST(NetworkPageLeaveTest, TheAdhocChannelAndNumbersBeyondTheirRangeAreRefused) {
    const struct {
        const char* name;
        void (*change)(NetworkPageValues&);
        std::vector<test::Refusal> refusals;
    } cases[] = {
        {"ChannelZeroInInfra", [](NetworkPageValues& v) { v.adhocChannel = 0; }, {}},
        {"ChannelZeroInAdhoc",
         [](NetworkPageValues& v) {
             v.adhocChannel = 0, v.networkMode = mode_code::kAdhoc;
             v.ssid.clear(), v.p2pPinCode.clear();
         },
         {{sid::kAdhocChannelIncorrect, ConfigField::adhocChannel}}},
        {"Channel256", [](NetworkPageValues& v) { v.adhocChannel = 256; },
         {{sid::kChannelNotSet, ConfigField::adhocChannel}}},
        {"Inactivity3601", [](NetworkPageValues& v) { v.inactivityTime = 3601; },
         {{sid::kTimeNotSet, ConfigField::inactivityTime}}},
        {"Largest", [](NetworkPageValues& v) { v.inactivityTime = 3600, v.adhocChannel = 14; }, {}},
    };
    for (const auto& c : cases) {
        NetworkPageValues values = ValidNetwork();
        c.change(values);
        EXPECT_EQ(Refusals(CheckNetworkPageLeave(values)), c.refusals) << c.name;
    }
}

// Update checks the page without the PIN length; the extended record needs a PIN in
// connection modes 2 and 3, and in Adhoc mode the channel comes first.
TEST(NetworkPageUpdateTest, RefusesWithTheFirstBrokenRule) {
    const struct {
        int networkMode;
        int connMode;
        std::string ssid;
        std::string pin;
        bool extended;
        std::optional<int> message;
    } cases[] = {
        {mode_code::kInfra, 0, "office", Chars(6), true, std::nullopt},
        {mode_code::kInfra, 2, "", "", true, sid::kIncorrectPin},
        {mode_code::kInfra, 3, "", "", true, sid::kIncorrectPin},
        {mode_code::kInfra, 3, "", "", false, sid::kSsidIncorrect},
        {mode_code::kInfra, 0, "", "", true, sid::kSsidIncorrect},
        {mode_code::kAdhoc, 2, "", "", true, sid::kAdhocChannelIncorrect},
    };
    for (const auto& c : cases) {
        NetworkPageValues values = ValidNetwork();
        values.networkMode = c.networkMode;
        values.p2pConnMode = c.connMode;
        values.ssid = c.ssid;
        values.p2pPinCode = c.pin;
        const RuleResult result = CheckNetworkPageUpdate(values, c.extended);
        EXPECT_EQ(result ? std::optional(result->messageId) : std::nullopt, c.message)
            << "mode " << c.networkMode << ", connection mode " << c.connMode << ", extended " << c.extended;
        if (c.message == sid::kIncorrectPin) {
            EXPECT_EQ(result->field, ConfigField::p2pPinCode);
        }
    }
}

TEST(NetworkChoiceTest, AdhocIsRefusedUnderEveryWpaKind) {
    for (const int auth : {auth_code::kWpaPsk, auth_code::kWpa2Psk, auth_code::kWpa, auth_code::kWpa2}) {
        EXPECT_EQ(test::RefusalOf(CheckAdhocChoice(auth)),
                  (test::Refusal{sid::kAdhocModeNotAvailable, ConfigField::networkMode}))
            << "authentication " << auth;
    }
    for (const int auth : {-1, auth_code::kOpenSystem, auth_code::kSharedKey}) {
        EXPECT_FALSE(CheckAdhocChoice(auth).has_value()) << "authentication " << auth;
    }
}

TEST(NetworkChoiceTest, DhcpIsRefusedOnlyInAdhocMode) {
    EXPECT_EQ(test::RefusalOf(CheckDhcpChoice(mode_code::kAdhoc)),
              (test::Refusal{sid::kAdhocNeedsManualAddress, ConfigField::dhcp}));
    EXPECT_FALSE(CheckDhcpChoice(mode_code::kInfra).has_value());
    EXPECT_FALSE(CheckDhcpChoice(mode_code::kWifiDirect).has_value());
}

}  // namespace
}  // namespace lanvane::rules
