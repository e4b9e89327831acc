#pragma once

#include <chrono>

#include "sim/Bytes.h"

namespace lanvane::sim {

// Bytes the printer sends in one go, after waiting `delay` from the previous burst.
struct ReplyBurst {
    Bytes bytes;
    std::chrono::milliseconds delay{0};

    bool operator==(const ReplyBurst&) const = default;
};

}  // namespace lanvane::sim
