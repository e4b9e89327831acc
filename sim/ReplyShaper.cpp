#include "sim/ReplyShaper.h"

#include <algorithm>
#include <iterator>

#include "sim/SimWireCodec.h"
#include "sim/WireConstants.h"

namespace lanvane::sim {
namespace {

Bytes Retagged(Bytes body, const FaultPlan& faults) {
    if (faults.wrongTag && body.size() >= wire::kTagSize) {
        std::copy(tags::kError.begin(), tags::kError.end(), body.begin());
    }
    return body;
}

Bytes Sealed(const Bytes& body, const FaultPlan& faults) {
    Bytes frame = SealTagFrame(Retagged(body, faults));
    if (faults.badChecksum) {
        frame.back() ^= 0x01;
    }
    return frame;
}

// Sized once and filled in place: growing a three-byte vector trips a false array-bounds
// warning of g++ 12 at -O2.
Bytes Wrapped(const Bytes& inner) {
    Bytes message(std::size(wire::kReplyPrefix) + inner.size() + 1);
    auto end = std::copy(std::begin(wire::kReplyPrefix), std::end(wire::kReplyPrefix), message.begin());
    end = std::copy(inner.begin(), inner.end(), end);
    *end = wire::kTerminator;
    return message;
}

}  // namespace

std::vector<ReplyBurst> ReplyShaper::ForChannel(const Reply& reply, const FaultPlan& faults) {
    return Bursts(WireBytes(reply, faults), faults.splitReply, faults);
}

std::vector<ReplyBurst> ReplyShaper::ForStream(const Reply& reply, const FaultPlan& faults) {
    return Bursts(WireBytes(reply, faults), faults.splitStreamReply, faults);
}

Bytes ReplyShaper::WireBytes(const Reply& reply, const FaultPlan& faults) {
    switch (reply.form) {
        case Reply::Form::Plain:
            return reply.body;
        case Reply::Form::PlainTag:
            return Wrapped(Retagged(reply.body, faults));
        case Reply::Form::LinkFrame:
            return Wrapped(EncodeHex(Sealed(reply.body, faults),
                                     faults.upperCaseHex ? HexCase::Upper : HexCase::Lower));
        case Reply::Form::RawFrame:
            return Sealed(reply.body, faults);
    }
    return {};
}

std::vector<ReplyBurst> ReplyShaper::Bursts(Bytes bytes, bool split, const FaultPlan& faults) {
    if (!split || bytes.size() < 2) {
        return {ReplyBurst{std::move(bytes), faults.replyDelay}};
    }
    const auto half = static_cast<std::ptrdiff_t>(bytes.size() / 2);
    return {ReplyBurst{Bytes(bytes.begin(), bytes.begin() + half), faults.replyDelay},
            ReplyBurst{Bytes(bytes.begin() + half, bytes.end()), faults.splitGap}};
}

}  // namespace lanvane::sim
