#pragma once

#include <cstdint>
#include <optional>

#include "protocol/ConfigFieldTable.h"
#include "rules/RuleFailure.h"

// Corrections made while the user types into a number field: the field's message, then the
// value the field shows instead.
namespace lanvane::rules {

constexpr std::uint32_t kDefaultPrinterPort = 9100;

struct RangeCorrection {
    RuleFailure failure;
    std::uint32_t correctedValue;

    bool operator==(const RangeCorrection&) const = default;
};

// Printer Port Num above 32767: message 44, back to 9100.
std::optional<RangeCorrection> CorrectPrinterPort(std::uint32_t port);
// Inactivity Time above 3600: message 47, down to 3600.
std::optional<RangeCorrection> CorrectInactivityTime(std::uint32_t seconds);
// Ad Hoc Channel above 14: message 48, down to 14.
std::optional<RangeCorrection> CorrectAdhocChannel(std::uint32_t channel);

}  // namespace lanvane::rules
