#include "rules/RangeCorrections.h"

#include "resources/StringIds.h"

namespace lanvane::rules {

std::optional<RangeCorrection> CorrectPrinterPort(std::uint32_t port) {
    if (port <= kMaxPrinterPort) {
        return std::nullopt;
    }
    return RangeCorrection{MakeFailure(sid::kPortOutOfRange, ConfigField::printerPort),
                           kDefaultPrinterPort};
}

std::optional<RangeCorrection> CorrectInactivityTime(std::uint32_t seconds) {
    if (seconds <= kMaxInactivityTime) {
        return std::nullopt;
    }
    return RangeCorrection{MakeFailure(sid::kTimeNotSet, ConfigField::inactivityTime),
                           kMaxInactivityTime};
}

std::optional<RangeCorrection> CorrectAdhocChannel(std::uint32_t channel) {
    if (channel <= kMaxAdhocChannel) {
        return std::nullopt;
    }
    return RangeCorrection{MakeFailure(sid::kChannelNotSet, ConfigField::adhocChannel),
                           kMaxAdhocChannel};
}

}  // namespace lanvane::rules
