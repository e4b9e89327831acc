#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "protocol/PageValues.h"
#include "rules/RuleFailure.h"

namespace lanvane::rules {

// The PIN the Network page shows for a printer whose record carries none (version 1).
constexpr std::string_view kDefaultPinCode = "3958";

// A PIN has 4 digits or at least 8.
bool IsAcceptablePinLength(std::size_t length);

// The PIN Code text's length (85 at p2pPinCode).
RuleResult CheckPinLength(std::string_view pinCode);

// Leaving the Network page. Unlike the other pages, two messages may follow one another:
// the failures come in the order they are shown, and the focus ends on the last one's field.
// Rules: Ad Hoc Channel within 0..14 (48) and Inactivity Time within 0..3600 (47), each
// stopping; in Adhoc mode a channel other than 0 (17), stopping; a manual address other than
// the reported one by CheckManualAddress, stopping; SSID not empty (18), going on; a PIN of
// acceptable length in every mode (85).
std::vector<RuleFailure> CheckNetworkPageLeave(const NetworkPageValues& values);

// Update while the Network page is selected, the first failure stops: the two ranges as on
// leaving; Adhoc channel (17); the manual address as on leaving; with the extended record, connection mode 2 or 3 needs a PIN
// (85); SSID not empty (18).
RuleResult CheckNetworkPageUpdate(const NetworkPageValues& values, bool extendedRecord);

// Choosing "Adhoc" while the working authentication is one of the WPA kinds (30, focus on
// the mode).
RuleResult CheckAdhocChoice(int workingAuthentication);

// Choosing "Automatic Allocation(DHCP)" in Adhoc mode (49); the choice stays Manual.
RuleResult CheckDhcpChoice(int networkMode);

}  // namespace lanvane::rules
