#include "lan/core/NetworkSettingRules.h"

#include "rules/ManualAddressRules.h"
#include "rules/SystemPageRules.h"
#include "lan/core/BaudTable.h"
#include "resources/StringIds.h"

namespace lanvane {

namespace {

// Both numbers go out in two bytes.
constexpr long kMaxFieldValue = 0xFFFF;

// A number the printer reported passes as it stands when it fits its field, so that changing
// another value is never blocked by it; a changed one keeps to the range it is typed in.
bool OutOfRange(long value, long maxTyped, long reported) {
    if (value < 0 || value > kMaxFieldValue) {
        return true;
    }
    return value > maxTyped && value != reported;
}

}  // namespace

std::optional<FieldCorrection> CorrectLocalPort(long port) {
    if (port < 0 || port > kMaxLocalPort) {
        return FieldCorrection{sid::kPortOutOfRange, kLocalPortAfterCorrection};
    }
    return std::nullopt;
}

std::optional<FieldCorrection> CorrectInactivity(long seconds) {
    if (seconds < 0 || seconds > kMaxInactivity) {
        return FieldCorrection{sid::kTimeNotSet, kInactivityAfterCorrection};
    }
    return std::nullopt;
}

NetworkSettingValues SettingValuesOf(const DeviceRecord& record) {
    return {.ip = record.ip,
            .subnet = record.subnet,
            .gateway = record.gateway,
            .localPort = record.port,
            .inactivity = record.inactivity,
            .dhcp = record.dhcp != 0,
            .baudIndex = BaudIndexOfCode(record.baudCode).value_or(-1)};
}

rules::RuleResult CheckSettingAddress(const NetworkSettingValues& values, const DeviceRecord& record) {
    if (values.ip == 0) {
        return std::nullopt;
    }
    return rules::CheckAddressChange({record.dhcp != 0, record.ip, record.subnet, record.gateway},
                                     {values.dhcp, values.ip, values.subnet, values.gateway});
}

SaveOutcome ApplySettingValues(const NetworkSettingValues& values, DeviceRecord& record) {
    if (OutOfRange(values.localPort, kMaxLocalPort, record.port)) {
        return SaveOutcome::PortOutOfRange;
    }
    if (OutOfRange(values.inactivity, kMaxInactivity, record.inactivity)) {
        return SaveOutcome::InactivityOutOfRange;
    }
    if (rules::IsReservedPort(static_cast<std::uint32_t>(values.localPort))) {
        return SaveOutcome::ReservedPort;
    }
    if (CheckSettingAddress(values, record)) {
        return SaveOutcome::AddressRefused;
    }
    record.dhcp = values.dhcp ? 1 : 0;
    record.ip = values.ip;
    record.subnet = values.subnet;
    record.gateway = values.gateway;
    record.port = static_cast<std::uint16_t>(values.localPort);
    record.inactivity = static_cast<std::uint16_t>(values.inactivity);
    record.baudCode = BaudCodeOfIndex(values.baudIndex);
    return record.ip == 0 ? SaveOutcome::AddressCannotBeUsed : SaveOutcome::Send;
}

int SaveOutcomeMessage(SaveOutcome outcome) {
    switch (outcome) {
    case SaveOutcome::PortOutOfRange:
        return sid::kPortOutOfRange;
    case SaveOutcome::InactivityOutOfRange:
        return sid::kTimeNotSet;
    case SaveOutcome::ReservedPort:
        return sid::kPortNotAvailable;
    case SaveOutcome::AddressCannotBeUsed:
        return sid::kAddressCannotBeUsed;
    case SaveOutcome::AddressRefused:
    case SaveOutcome::Send:
        break;
    }
    return 0;
}

}  // namespace lanvane
