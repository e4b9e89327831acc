#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "sim/RequestKind.h"

namespace lanvane::sim {

// Misbehaviour the simulated printer shows on request. Everything off by default.
struct FaultPlan {
    // Differs from the real maker name only in case, which a whole-text compare must catch.
    static constexpr std::string_view kWrongMakerName = "Vantrole Systemtechnik ag";

    bool noAnswer = false;                  // silent to every request
    std::optional<RequestKind> noAnswerTo;  // silent to one kind of request
    bool wrongMakerName = false;
    bool badChecksum = false;               // checksummed replies carry a wrong checksum
    bool wrongTag = false;                  // replies carry the tag "__[I_F]__[IF__ERR]"
    bool splitReply = false;                // channel replies come in two bursts
    bool upperCaseHex = false;              // link replies use upper-case hex letters
    std::chrono::milliseconds replyDelay{0};
    std::chrono::milliseconds splitGap{300};  // between the two halves of a split reply
    int refuseStart = 0;                    // certificate announcements answered "BUSY"
    int refuseChunk = 0;                    // certificate chunks answered "__[I_F]__[IF__ERR]"
    std::optional<int> disconnectAfter;     // channel messages taken before hanging up
    bool splitStreamReply = false;          // the TCP reply comes in two pieces
    bool closeStreamWithoutAnswer = false;  // the TCP server hangs up on each request

    bool Silences(RequestKind kind) const { return noAnswer || noAnswerTo == kind; }
};

}  // namespace lanvane::sim
