#pragma once

#include <cstdint>

#include "protocol/PageValues.h"
#include "rules/RuleFailure.h"

namespace lanvane::rules {

// The ports the printer keeps for its own services (FTP, Telnet, SMTP, HTTP, HTTPS) and
// for its TCP link (3318); no printing port may take one.
bool IsReservedPort(std::uint32_t port);

// Leaving the System & Information page, and Update while it is selected. Rules in order,
// the first failure stops: Printer Name not empty (12); port not reserved (13); port within
// 0..32767 (44); User ID not empty (10); User Password not empty and equal to Confirm
// Password (11).
RuleResult CheckSystemPageLeave(const SystemPageValues& values);

}  // namespace lanvane::rules
