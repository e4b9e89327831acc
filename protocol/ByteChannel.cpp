#include "protocol/ByteChannel.h"

#include <algorithm>
#include <array>

namespace lanvane {
namespace {

// A frame that stays incomplete is given up after this many bursts.
constexpr int kMostBursts = 20;

}  // namespace

bool ByteChannel::ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) {
    count = 0;
    std::array<std::uint8_t, kReplyLimit> joined{};
    std::size_t size = 0;
    std::size_t got = 0;
    for (int burst = 0; burst < kMostBursts && size < joined.size(); ++burst) {
        if (!Read(std::span(joined).subspan(size), got)) {
            break;
        }
        size += got;
        if (FindReplyFrame(kind, std::span(joined).first(size)).whole) {
            break;
        }
    }
    StoreReplyFrame(kind, std::span(joined).first(size), buffer, count);
    return count > 0;
}

std::size_t StoreReplyFrame(ReplyKind kind, std::span<const std::uint8_t> bytes, std::span<std::uint8_t> buffer,
                            std::size_t& count) {
    const ReplyFrame frame = FindReplyFrame(kind, bytes);
    const std::size_t first = frame.whole ? frame.start : 0;
    const std::size_t length = frame.whole ? frame.end - frame.start : bytes.size();
    count = std::min(length, buffer.size());
    const auto kept = bytes.subspan(first, count);
    std::copy(kept.begin(), kept.end(), buffer.begin());
    return bytes.size() - length;
}

}  // namespace lanvane
