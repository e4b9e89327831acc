#include "tools/scenario/PrinterFaultOptions.h"

#include <charconv>
#include <optional>

namespace lanvane::scenario {
namespace {

using FaultSwitch = bool sim::FaultPlan::*;

struct NamedSwitch {
    std::string_view name;
    FaultSwitch member;
};

constexpr NamedSwitch kSwitches[] = {
    {"no-answer", &sim::FaultPlan::noAnswer},     {"wrong-maker", &sim::FaultPlan::wrongMakerName},
    {"bad-checksum", &sim::FaultPlan::badChecksum}, {"wrong-tag", &sim::FaultPlan::wrongTag},
    {"split", &sim::FaultPlan::splitReply},       {"upper-hex", &sim::FaultPlan::upperCaseHex},
    {"tcp-split", &sim::FaultPlan::splitStreamReply},
    {"tcp-close", &sim::FaultPlan::closeStreamWithoutAnswer},
};

std::optional<int> Count(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::string SwitchOn(sim::FaultPlan& faults, std::string_view name) {
    for (const NamedSwitch& known : kSwitches) {
        if (known.name == name) {
            faults.*known.member = true;
            return {};
        }
    }
    std::string names;
    for (const NamedSwitch& known : kSwitches) {
        names += names.empty() ? "" : ", ";
        names += known.name;
    }
    return "unknown fault \"" + std::string(name) + "\" (known: " + names + ")";
}

std::string Silence(sim::FaultPlan& faults, std::string_view kindName) {
    faults.noAnswerTo = sim::RequestKindFromName(kindName);
    if (faults.noAnswerTo) {
        return {};
    }
    return "unknown request kind \"" + std::string(kindName) +
           "\" (known: identification, attention, sys-req, if-get, if-set, bss-req, cert-announce, cert-chunk)";
}

}  // namespace

bool IsFaultOption(std::string_view key) {
    return key == "fault" || key == "no-answer-to" || key == "refuse-start" || key == "refuse-chunk" ||
           key == "disconnect-after";
}

std::string ApplyFaultOption(sim::FaultPlan& faults, std::string_view key, std::string_view value) {
    if (key == "fault") {
        return SwitchOn(faults, value);
    }
    if (key == "no-answer-to") {
        return Silence(faults, value);
    }
    const auto count = Count(value);
    if (!count) {
        return std::string(key) + " needs a whole number, not \"" + std::string(value) + "\"";
    }
    if (key == "refuse-start") {
        faults.refuseStart = *count;
    } else if (key == "refuse-chunk") {
        faults.refuseChunk = *count;
    } else if (key == "disconnect-after") {
        if (*count == 0) {
            return "disconnect-after needs at least 1 message";
        }
        faults.disconnectAfter = *count;
    } else {
        return std::string(key) + " is not a fault option";
    }
    return {};
}

}  // namespace lanvane::scenario
