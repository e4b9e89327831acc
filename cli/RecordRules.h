#pragma once

#include <optional>
#include <string>

#include "cli/ConfigJson.h"
#include "protocol/InterfaceConfig.h"
#include "resources/StringTable.h"

namespace lanvane::cli {

// The rules a record about to be written must keep besides the configuration window's
// page rules, judged where `wanted` differs from the printer's `reported` record, so that a
// record read and written back passes as it came: the cryptograph and EAP mode that go with
// the authentication, and a manually assigned address.
std::optional<ConfigJsonError> CheckChangedValues(const InterfaceConfig& reported, const InterfaceConfig& wanted,
                                                  const StringTable& strings);

// A broken page rule as the refusal of `field`'s value in `config`: the value (a secret by
// its length only) and the rule.
ConfigJsonError PageRuleRefusal(std::string_view field, int messageId, const InterfaceConfig& config,
                                const StringTable& strings);

}  // namespace lanvane::cli
