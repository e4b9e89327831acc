#pragma once

#include "protocol/PageValues.h"
#include "rules/RuleFailure.h"

namespace lanvane::rules {

// Leaving the Protocol page, and Update while it is selected, whatever SNMP is set to.
// Rules in order, the first failure stops: Community Name (Write) not empty (15); Community
// Name (Read) not empty (15); Trap Community not empty (16).
RuleResult CheckProtocolPageLeave(const ProtocolPageValues& values);

}  // namespace lanvane::rules
