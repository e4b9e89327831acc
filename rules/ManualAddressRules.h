#pragma once

#include <cstdint>

#include "protocol/AddressSetting.h"
#include "rules/RuleFailure.h"

namespace lanvane::rules {

// A manually assigned address at which the printer can be reached. Rules in order, the first
// failure stops: the mask is a contiguous run of ones from the left and not 0.0.0.0 (250);
// the address is not 0.0.0.0 (39), not in 127.0.0.0/8 (251), below 224.0.0.0 (252: multicast,
// reserved and 255.255.255.255), and neither the network (253) nor the broadcast address
// (254) of its subnet; the gateway is 0.0.0.0 (none) or a host address of the subnet (255) and
// not the printer's own address (256).
RuleResult CheckManualAddress(std::uint32_t ip, std::uint32_t mask, std::uint32_t gateway);

// The rules above for a setting about to be written, unless it takes its address by DHCP or
// is exactly the one the printer reported, which goes back as it came.
RuleResult CheckAddressChange(const AddressSetting& reported, const AddressSetting& wanted);

}  // namespace lanvane::rules
