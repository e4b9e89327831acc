#pragma once

#include "lan/core/DeviceRecord.h"
#include "rules/RuleFailure.h"

#include <cstdint>
#include <optional>

namespace lanvane {

// What the network setting dialog (and lanvane-cli set-ip) edits of a device record.
struct NetworkSettingValues {
    std::uint32_t ip = 0;
    std::uint32_t subnet = 0;
    std::uint32_t gateway = 0;
    long localPort = 0;
    long inactivity = 0;
    bool dhcp = false;
    int baudIndex = -1;  // index into kBaudTable; -1 for none

    bool operator==(const NetworkSettingValues&) const = default;
};

constexpr long kMaxLocalPort = 32767;
constexpr long kLocalPortAfterCorrection = 9100;
constexpr long kMaxInactivity = 3600;
constexpr long kInactivityAfterCorrection = 0;

// A number field that left its range while being typed: the message, then the value the
// field shows instead.
struct FieldCorrection {
    int messageId;
    long correctedValue;

    bool operator==(const FieldCorrection&) const = default;
};

// Outside 0..32767: message 44, back to 9100.
std::optional<FieldCorrection> CorrectLocalPort(long port);
// Outside 0..3600: message 47, back to 0.
std::optional<FieldCorrection> CorrectInactivity(long seconds);

NetworkSettingValues SettingValuesOf(const DeviceRecord& record);

// What "Save" comes to.
enum class SaveOutcome {
    Send,                  // the record holds the values; send it
    PortOutOfRange,        // message 44; nothing written
    InactivityOutOfRange,  // message 47; nothing written
    ReservedPort,          // message 37, the port field back to 9100; nothing written
    AddressRefused,        // a manual address breaks a rule (CheckSettingAddress); nothing written
    AddressCannotBeUsed,   // message 39; the values are written, nothing is sent
};

// A manual address that differs from the record's, judged by rules::CheckManualAddress.
// An address of 0.0.0.0 is left to AddressCannotBeUsed, which refuses it with DHCP on too.
rules::RuleResult CheckSettingAddress(const NetworkSettingValues& values, const DeviceRecord& record);

// Checks the values and writes them into the record in place, in the dialog's order:
// ranges, reserved ports and the manual address refuse before anything is written; an
// address of 0.0.0.0 is refused after writing (also with DHCP on). A port above 32767 or an
// inactivity time above 3600 is refused only when it differs from the record's (the printer
// reported it) or does not fit the datagram's two bytes.
SaveOutcome ApplySettingValues(const NetworkSettingValues& values, DeviceRecord& record);

// The string id that reports a refusal; 0 for Send and for AddressRefused, whose message
// CheckSettingAddress gives.
int SaveOutcomeMessage(SaveOutcome outcome);

}  // namespace lanvane
