#pragma once

#include <optional>
#include <string>

#include "protocol/PageValues.h"
#include "rules/RuleFailure.h"
#include "rules/ValueCodes.h"

namespace lanvane::rules::test {

// Page values that pass every rule; each test breaks what it is about.
inline ConfigPageValues ValidValues() {
    ConfigPageValues values;
    values.system = {"Office printer", 9100, "admin", "secret", "secret"};
    values.protocol.snmp = 1;
    values.protocol.getCommunity = "public";
    values.protocol.setCommunity = "private";
    values.protocol.trapCommunity = "trap";
    values.network.networkMode = mode_code::kInfra;
    values.network.ssid = "office";
    values.network.p2pPinCode = "3958";
    values.auth.authentication = auth_code::kWpa2Psk;
    values.auth.cryptograph = crypt_code::kAes;
    values.auth.pskKey = "passphrase";
    return values;
}

inline std::string Chars(std::size_t count) {
    return std::string(count, '7');
}

// The message and the field of a broken rule, for comparing with a table.
struct Refusal {
    int messageId;
    ConfigField field;
    bool operator==(const Refusal&) const = default;
};

inline std::optional<Refusal> RefusalOf(const RuleResult& result) {
    if (!result) {
        return std::nullopt;
    }
    return Refusal{result->messageId, result->field};
}

}  // namespace lanvane::rules::test
