#include "rules/NetworkPageRules.h"

#include "rules/ManualAddressRules.h"
#include "rules/RangeCorrections.h"
#include "rules/RuleChain.h"
#include "rules/ValueCodes.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

// Typing corrects both numbers at once; a value from elsewhere would be cut to the record's
// field width (a channel of 256 becomes 0).
RuleResult CheckAdhocChannelRange(const NetworkPageValues& values) {
    if (const auto correction = CorrectAdhocChannel(values.adhocChannel)) {
        return correction->failure;
    }
    return std::nullopt;
}

RuleResult CheckInactivityTimeRange(const NetworkPageValues& values) {
    if (const auto correction = CorrectInactivityTime(values.inactivityTime)) {
        return correction->failure;
    }
    return std::nullopt;
}

RuleResult CheckAdhocChannel(const NetworkPageValues& values) {
    if (values.networkMode == mode_code::kAdhoc && values.adhocChannel == 0) {
        return MakeFailure(sid::kAdhocChannelIncorrect, ConfigField::adhocChannel);
    }
    return std::nullopt;
}

RuleResult CheckAddress(const NetworkPageValues& values) {
    const AddressSetting wanted{values.ipAssignment != ip_assignment_code::kManual, values.ipAddress,
                                values.subnetMask, values.gateway};
    return CheckAddressChange(values.reportedAddress, wanted);
}

RuleResult CheckSsid(const NetworkPageValues& values) {
    if (values.ssid.empty()) {
        return MakeFailure(sid::kSsidIncorrect, ConfigField::ssid);
    }
    return std::nullopt;
}

RuleResult CheckPin(const NetworkPageValues& values) {
    return CheckPinLength(values.p2pPinCode);
}

bool ConnectionModeNeedsPin(int p2pConnMode) {
    return p2pConnMode == 2 || p2pConnMode == 3;
}

}  // namespace

bool IsAcceptablePinLength(std::size_t length) {
    return length == 4 || length >= 8;
}

RuleResult CheckPinLength(std::string_view pinCode) {
    if (!IsAcceptablePinLength(pinCode.size())) {
        return MakeFailure(sid::kIncorrectPin, ConfigField::p2pPinCode);
    }
    return std::nullopt;
}

std::vector<RuleFailure> CheckNetworkPageLeave(const NetworkPageValues& values) {
    if (auto failure = FirstFailure<NetworkPageValues>(
            values, {CheckAdhocChannelRange, CheckInactivityTimeRange, CheckAdhocChannel, CheckAddress})) {
        return {*failure};
    }
    std::vector<RuleFailure> failures;
    for (const auto rule : {CheckSsid, CheckPin}) {
        if (auto failure = rule(values)) {
            failures.push_back(*failure);
        }
    }
    return failures;
}

RuleResult CheckNetworkPageUpdate(const NetworkPageValues& values, bool extendedRecord) {
    if (auto failure = FirstFailure<NetworkPageValues>(
            values, {CheckAdhocChannelRange, CheckInactivityTimeRange, CheckAdhocChannel, CheckAddress})) {
        return failure;
    }
    if (extendedRecord && ConnectionModeNeedsPin(values.p2pConnMode) && values.p2pPinCode.empty()) {
        return MakeFailure(sid::kIncorrectPin, ConfigField::p2pPinCode);
    }
    return CheckSsid(values);
}

RuleResult CheckAdhocChoice(int workingAuthentication) {
    if (IsWpaKind(workingAuthentication)) {
        return MakeFailure(sid::kAdhocModeNotAvailable, ConfigField::networkMode);
    }
    return std::nullopt;
}

RuleResult CheckDhcpChoice(int networkMode) {
    if (networkMode == mode_code::kAdhoc) {
        return MakeFailure(sid::kAdhocNeedsManualAddress, ConfigField::dhcp);
    }
    return std::nullopt;
}

}  // namespace lanvane::rules
