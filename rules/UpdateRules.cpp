#include "rules/UpdateRules.h"

#include <array>

#include "rules/AuthPageRules.h"
#include "rules/NetworkPageRules.h"
#include "rules/ProtocolPageRules.h"
#include "rules/SystemPageRules.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

// Under a WEP cryptograph the key must name WEP64 or WEP128 by its length, whatever the
// authentication.
UpdateCheck CheckWepKeyField(const ConfigPageValues& values) {
    if (!IsWepCryptograph(values.auth.cryptograph)) {
        return {};
    }
    const auto cryptograph = WepCryptographForKeyLength(values.auth.wepKey.size());
    if (!cryptograph) {
        return {MakeFailure(sid::kWepKeyInvalid, ConfigField::wepKey), std::nullopt};
    }
    return {std::nullopt, cryptograph};
}

RuleResult CheckExtendedRecordPin(const ConfigPageValues& values) {
    if (!values.extendedRecord) {
        return std::nullopt;
    }
    return CheckPinLength(values.network.p2pPinCode);
}

// The WEP key and PIN checks that follow the page checks.
UpdateCheck CheckKeyAndPin(const ConfigPageValues& values) {
    UpdateCheck check = CheckWepKeyField(values);
    if (check.Passed()) {
        check.failure = CheckExtendedRecordPin(values);
    }
    return check;
}

}  // namespace

RuleResult CheckPageForUpdate(ConfigPage selected, const ConfigPageValues& values) {
    switch (selected) {
        case ConfigPage::systemInformation: return CheckSystemPageLeave(values.system);
        case ConfigPage::protocol: return CheckProtocolPageLeave(values.protocol);
        case ConfigPage::network: return CheckNetworkPageUpdate(values.network, values.extendedRecord);
        case ConfigPage::authentication: return CheckAuthPageLeave(values.auth);
        case ConfigPage::bssInformation:
        case ConfigPage::certification: return std::nullopt;
    }
    return std::nullopt;
}

UpdateCheck CheckUpdate(ConfigPage selected, const ConfigPageValues& values) {
    if (auto failure = CheckPageForUpdate(selected, values)) {
        return {failure, std::nullopt};
    }
    return CheckKeyAndPin(values);
}

UpdateCheck CheckWholeConfig(const ConfigPageValues& values) {
    constexpr std::array kEditablePages = {ConfigPage::systemInformation, ConfigPage::protocol,
                                           ConfigPage::network, ConfigPage::authentication};
    for (const ConfigPage page : kEditablePages) {
        if (auto failure = CheckPageForUpdate(page, values)) {
            return {failure, std::nullopt};
        }
    }
    return CheckKeyAndPin(values);
}

}  // namespace lanvane::rules
