#include <gtest/gtest.h>

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

TEST(NetworkPageLeaveTest, EmptySsidAndShortPinGiveBothMessagesEndingOnThePin) {
    NetworkPageValues values = ValidNetwork();
    values.ssid.clear();
    values.p2pPinCode = Chars(6);
    const auto failures = CheckNetworkPageLeave(values);
    EXPECT_EQ(MessageIds(failures), (std::vector{sid::kSsidIncorrect, sid::kIncorrectPin}));
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].field, ConfigField::ssid);
    EXPECT_EQ(failures[1].field, ConfigField::p2pPinCode);
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

TEST(NetworkPageUpdateTest, ExtendedRecordNeedsAPinForConnectionModesTwoAndThree) {
    NetworkPageValues values = ValidNetwork();
    values.ssid.clear();
    values.p2pPinCode.clear();
    for (const int connMode : {2, 3}) {
        values.p2pConnMode = connMode;
        EXPECT_EQ(test::RefusalOf(CheckNetworkPageUpdate(values, true)),
                  (test::Refusal{sid::kIncorrectPin, ConfigField::p2pPinCode}));
        EXPECT_EQ(CheckNetworkPageUpdate(values, false)->messageId, sid::kSsidIncorrect);
    }
    values.p2pConnMode = 0;
    EXPECT_EQ(CheckNetworkPageUpdate(values, true)->messageId, sid::kSsidIncorrect);
}

TEST(NetworkPageUpdateTest, PinLengthIsNotPartOfThePageCheck) {
    NetworkPageValues values = ValidNetwork();
    values.p2pPinCode = Chars(6);
    EXPECT_FALSE(CheckNetworkPageUpdate(values, true).has_value());
}

TEST(NetworkPageUpdateTest, AdhocChannelComesFirst) {
    NetworkPageValues values = ValidNetwork();
    values.networkMode = mode_code::kAdhoc;
    values.p2pConnMode = 2;
    values.p2pPinCode.clear();
    values.ssid.clear();
    EXPECT_EQ(CheckNetworkPageUpdate(values, true)->messageId, sid::kAdhocChannelIncorrect);
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
