#pragma once

#include "rules/PageValues.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane::rules {

// The page values a record gives, field for field: the confirmation repeats the password,
// the IP assignment is the inverse of dhcp, and a
// version 1 record, which carries no PIN, gets the default PIN; the address is the one reported. Unlike the window's loading,
// no mode is adjusted, so the checks judge the record as it stands.
ConfigPageValues PageValuesFromConfig(const InterfaceConfig& config);

}  // namespace lanvane::rules
