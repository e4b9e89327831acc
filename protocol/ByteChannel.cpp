#include "protocol/ByteChannel.h"

#include <algorithm>
#include <array>

namespace lanvane {
namespace {

// A frame that stays incomplete is given up after this many bursts.
constexpr int kMostBursts = 20;

}  // namespace

bool ByteChannel::ReadReply(ReplyKind kind, std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    std::array<std::uint8_t, kReplyLimit> joined{};
    std::size_t size = 0;
    std::size_t got = 0;
    for (int burst = 0; burst < kMostBursts && size < joined.size(); ++burst) {
        if (!Read(joined.data() + size, joined.size() - size, got)) {
            break;
        }
        size += got;
        if (FindReplyFrame(kind, joined.data(), size).whole) {
            break;
        }
    }
    StoreReplyFrame(kind, joined.data(), size, buffer, capacity, count);
    return count > 0;
}

std::size_t StoreReplyFrame(ReplyKind kind, const std::uint8_t* bytes, std::size_t size, std::uint8_t* buffer,
                            std::size_t capacity, std::size_t& count) {
    const ReplyFrame frame = FindReplyFrame(kind, bytes, size);
    const std::size_t first = frame.whole ? frame.start : 0;
    const std::size_t length = frame.whole ? frame.end - frame.start : size;
    count = std::min(length, capacity);
    std::copy_n(bytes + first, count, buffer);
    return size - length;
}

}  // namespace lanvane
