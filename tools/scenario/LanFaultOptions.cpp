#include "tools/scenario/LanFaultOptions.h"

#include <chrono>
#include <cstdint>

#include "tools/scenario/FieldTexts.h"

namespace lanvane::scenario {
namespace {

struct NamedSwitch {
    std::string_view name;
    bool sim::LanFaultPlan::*member;
};

constexpr NamedSwitch kSwitches[] = {
    {"silent-search", &sim::LanFaultPlan::silentToSearch},
    {"silent-setting", &sim::LanFaultPlan::silentToSetting},
    {"confirm-setc", &sim::LanFaultPlan::confirmWithSetc},
};

// Long enough for any test, short enough that a typing slip cannot stall a run.
constexpr std::uint32_t kLongestDelayMs = 10000;
constexpr std::uint32_t kMostRepeats = 100;

std::string SwitchOn(sim::LanFaultPlan& faults, std::string_view name) {
    for (const NamedSwitch& known : kSwitches) {
        if (known.name == name) {
            faults.*known.member = true;
            return {};
        }
    }
    return "unknown LAN fault \"" + std::string(name) + "\" (known: silent-search, silent-setting, confirm-setc)";
}

}  // namespace

bool IsLanFaultOption(std::string_view key) {
    return key == "fault" || key == "delay" || key == "repeat" || key == "shorten";
}

std::string ApplyLanFaultOption(sim::LanFaultPlan& faults, std::string_view key, std::string_view value) {
    if (key == "fault") {
        return SwitchOn(faults, value);
    }
    const std::uint32_t largest = key == "delay" ? kLongestDelayMs : key == "repeat" ? kMostRepeats : 65535;
    const auto number = ParseBoundedNumber(value, largest);
    if (!number) {
        return std::string(key) + " needs a whole number up to " + std::to_string(largest) + ", not \"" +
               std::string(value) + "\"";
    }
    if (key == "delay") {
        faults.replyDelay = std::chrono::milliseconds(*number);
    } else if (key == "repeat") {
        faults.repeat = static_cast<int>(*number);
    } else if (key == "shorten") {
        faults.shortenTo = *number;
    } else {
        return std::string(key) + " is not a LAN fault option";
    }
    return {};
}

}  // namespace lanvane::scenario
