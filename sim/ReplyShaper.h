#pragma once

#include <vector>

#include "sim/Bytes.h"
#include "sim/FaultPlan.h"
#include "sim/Reply.h"
#include "sim/ReplyBurst.h"

namespace lanvane::sim {

// Turns a reply into the bursts that go on the wire, with the planned faults applied:
// wrong tag, bad checksum, upper-case hex, delay and the split into two bursts.
class ReplyShaper {
public:
    static std::vector<ReplyBurst> ForChannel(const Reply& reply, const FaultPlan& faults);
    static std::vector<ReplyBurst> ForStream(const Reply& reply, const FaultPlan& faults);
    static Bytes WireBytes(const Reply& reply, const FaultPlan& faults);

private:
    static std::vector<ReplyBurst> Bursts(Bytes bytes, bool split, const FaultPlan& faults);
};

}  // namespace lanvane::sim
