#include "rules/SystemPageRules.h"

#include <algorithm>
#include <array>

#include "rules/RangeCorrections.h"
#include "rules/RuleChain.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

RuleResult CheckPrinterName(const SystemPageValues& values) {
    if (values.printerName.empty()) {
        return MakeFailure(sid::kSystemNameIncorrect, ConfigField::printerName);
    }
    return std::nullopt;
}

RuleResult CheckPortNotReserved(const SystemPageValues& values) {
    if (IsReservedPort(values.printerPort)) {
        return MakeFailure(sid::kPortNumberIncorrect, ConfigField::printerPort);
    }
    return std::nullopt;
}

// Typing keeps the port within range; a value from elsewhere (a record, the command line)
// could pass the reserved-port rule and still land on a reserved port once cut to the
// record's 16 bits (65616 becomes 80).
RuleResult CheckPortRange(const SystemPageValues& values) {
    if (const auto correction = CorrectPrinterPort(values.printerPort)) {
        return correction->failure;
    }
    return std::nullopt;
}

RuleResult CheckUserId(const SystemPageValues& values) {
    if (values.userId.empty()) {
        return MakeFailure(sid::kUserIdIncorrect, ConfigField::userId);
    }
    return std::nullopt;
}

RuleResult CheckPassword(const SystemPageValues& values) {
    if (values.userPassword.empty() || values.userPassword != values.confirmPassword) {
        return MakeFailure(sid::kPasswordIncorrect, ConfigField::userPassword);
    }
    return std::nullopt;
}

}  // namespace

bool IsReservedPort(std::uint32_t port) {
    constexpr std::array<std::uint32_t, 6> kReserved = {21, 23, 25, 80, 443, 3318};
    return std::ranges::find(kReserved, port) != kReserved.end();
}

RuleResult CheckSystemPageLeave(const SystemPageValues& values) {
    return FirstFailure<SystemPageValues>(
        values, {CheckPrinterName, CheckPortNotReserved, CheckPortRange, CheckUserId, CheckPassword});
}

}  // namespace lanvane::rules
