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

std::vector<int> MessageIds(const std::vector<RuleFailure>& failures) {
    std::vector<int> ids;
    for (const RuleFailure& failure : failures) {
        ids.push_back(failure.messageId);
    }
    return ids;
}

TEST(NetworkPageLeaveTest, PinLengthRuleHoldsInEveryMode) {
    for (const int mode : {mode_code::kInfra, mode_code::kAdhoc, mode_code::kWifiDirect}) {
        NetworkPageValues values = ValidNetwork();
        values.networkMode = mode;
        values.adhocChannel = 6;
        for (const std::size_t length : {0u, 1u, 3u, 5u, 6u, 7u}) {
            values.p2pPinCode = Chars(length);
            EXPECT_EQ(MessageIds(CheckNetworkPageLeave(values)), std::vector{sid::kIncorrectPin})
                << "mode " << mode << ", PIN of " << length;
        }
        for (const std::size_t length : {4u, 8u, 9u}) {
            values.p2pPinCode = Chars(length);
            EXPECT_TRUE(CheckNetworkPageLeave(values).empty()) << "mode " << mode << ", PIN of " << length;
        }
    }
}

TEST(NetworkPageLeaveTest, AdhocChannelZeroStopsBeforeTheOtherRulesInAdhocModeOnly) {
    NetworkPageValues values = ValidNetwork();
    values.adhocChannel = 0;
    EXPECT_TRUE(CheckNetworkPageLeave(values).empty());
    values.networkMode = mode_code::kAdhoc;
    values.ssid.clear();
    values.p2pPinCode.clear();
    const auto failures = CheckNetworkPageLeave(values);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].messageId, sid::kAdhocChannelIncorrect);
    EXPECT_EQ(failures[0].field, ConfigField::adhocChannel);
}

TEST(NetworkPageLeaveTest, NumbersBeyondTheirRangeAreRefused) {
    NetworkPageValues values = ValidNetwork();
    values.adhocChannel = 256;  // would be cut to channel 0 in the record
    EXPECT_EQ(MessageIds(CheckNetworkPageLeave(values)), std::vector{sid::kChannelNotSet});

    values = ValidNetwork();
    values.inactivityTime = 3601;
    const auto failures = CheckNetworkPageLeave(values);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].messageId, sid::kTimeNotSet);
    EXPECT_EQ(failures[0].field, ConfigField::inactivityTime);

    values.inactivityTime = 3600;
    values.adhocChannel = 14;
    EXPECT_TRUE(CheckNetworkPageLeave(values).empty());
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
    const RuleResult result = CheckDhcpChoice(mode_code::kAdhoc);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->messageId, sid::kAdhocNeedsManualAddress);
    EXPECT_EQ(result->message, "Network is in Adhoc mode.\nYou must assign IP address manually.");
    EXPECT_FALSE(CheckDhcpChoice(mode_code::kInfra).has_value());
    EXPECT_FALSE(CheckDhcpChoice(mode_code::kWifiDirect).has_value());
}

}  // namespace
}  // namespace lanvane::rules
