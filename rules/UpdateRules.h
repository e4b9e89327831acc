#pragma once

#include <optional>

#include "rules/ConfigPage.h"
#include "protocol/PageValues.h"
#include "rules/RuleFailure.h"

namespace lanvane::rules {

struct UpdateCheck {
    RuleResult failure;  // nothing may be written when set
    // Set when the WEP key check passed: the cryptograph the key's length names, which is
    // the one written.
    std::optional<int> wepCryptograph;

    bool Passed() const { return !failure.has_value(); }
};

// The selected page's rules at Update time: the leave rules for System & Information,
// Protocol and Authentication, the update form of the Network rules; nothing for the
// other pages.
RuleResult CheckPageForUpdate(ConfigPage selected, const ConfigPageValues& values);

// The checks the configuration window's Update runs, in order: the selected page, then the
// WEP key under a WEP cryptograph (5), then with the extended record the PIN length
// (85).
UpdateCheck CheckUpdate(ConfigPage selected, const ConfigPageValues& values);

// The same checks with every editable page in tab order in place of the selected one, for
// a record that comes from elsewhere than the pages (lanvane-cli).
UpdateCheck CheckWholeConfig(const ConfigPageValues& values);

}  // namespace lanvane::rules
