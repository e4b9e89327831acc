#include "cli/SettingRefusal.h"

#include "cli/Reporter.h"
#include "protocol/AddressText.h"

namespace lanvane::cli {

namespace {

std::string AddressRefusalText(const rules::RuleFailure& failure, const NetworkSettingValues& values,
                               const StringTable& strings) {
    std::string field = "ip";
    std::uint32_t value = values.ip;
    if (failure.field == rules::ConfigField::subnetMask) {
        field = "mask";
        value = values.subnet;
    } else if (failure.field == rules::ConfigField::gateway) {
        field = "gateway";
        value = values.gateway;
    }
    return field + ": \"" + AddressText(value) + "\" refused: " + ShellWords(strings.Text(failure.messageId));
}

}  // namespace

std::string SettingRefusalText(SaveOutcome outcome, const NetworkSettingValues& values, const DeviceRecord& record,
                               const StringTable& strings) {
    if (outcome == SaveOutcome::AddressRefused) {
        if (const auto failure = CheckSettingAddress(values, record)) {
            return AddressRefusalText(*failure, values, strings);
        }
    }
    return ShellWords(strings.Text(SaveOutcomeMessage(outcome)));
}

}  // namespace lanvane::cli
