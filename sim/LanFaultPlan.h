#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

namespace lanvane::sim {

// Misbehaviour of a printer's LAN side on request. Everything off by default.
struct LanFaultPlan {
    std::chrono::milliseconds replyDelay{0};  // before each reply
    int repeat = 1;                           // copies of each reply
    std::optional<std::size_t> shortenTo{};   // replies cut to this many bytes
    bool silentToSearch = false;              // no discovery replies
    bool silentToSetting = false;             // settings are taken but not confirmed
    bool confirmWithSetc = false;             // a wireless printer confirms with "SETC"

    bool operator==(const LanFaultPlan&) const = default;
};

}  // namespace lanvane::sim
