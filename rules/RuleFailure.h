#pragma once

#include <optional>
#include <string_view>

#include "rules/ConfigField.h"

namespace lanvane::rules {

// A broken rule: the message to show and the field that takes the focus. `message` is the
// built-in English text of `messageId`; a window shows the text of its own string table.
struct RuleFailure {
    int messageId;
    std::string_view message;
    ConfigField field;

    bool operator==(const RuleFailure&) const = default;
};

using RuleResult = std::optional<RuleFailure>;

// The failure of `messageId` with its English text, at `field`.
RuleFailure MakeFailure(int messageId, ConfigField field);

}  // namespace lanvane::rules
