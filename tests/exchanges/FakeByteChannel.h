#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "protocol/ByteChannel.h"

namespace lanvane::test {

using Bytes = std::vector<std::uint8_t>;

// A printer channel that replays queued reply bursts and records what was written. An
// empty burst, or an empty queue, is a read that got nothing.
class FakeByteChannel : public ByteChannel {
public:
    void QueueReply(Bytes burst) { replies_.push_back(std::move(burst)); }
    void QueueReplies(const Bytes& burst, int times) {
        for (int i = 0; i < times; ++i) {
            QueueReply(burst);
        }
    }
    // The write with this 0-based index reports `result` bytes written.
    void FailWrite(std::size_t index, std::size_t result = 0) {
        failedWrite_ = index;
        failedWriteResult_ = result;
    }

    bool Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) override {
        ++reads;
        capacities.push_back(capacity);
        count = 0;
        if (replies_.empty()) {
            return false;
        }
        const Bytes burst = std::move(replies_.front());
        replies_.pop_front();
        count = std::min(burst.size(), capacity);
        std::copy_n(burst.begin(), count, buffer);
        return count > 0;
    }

    std::size_t Write(const std::uint8_t* buffer, std::size_t length) override {
        const std::size_t index = writes.size();
        writes.emplace_back(buffer, buffer + length);
        return index == failedWrite_ ? failedWriteResult_ : length;
    }

    std::size_t PendingReplies() const { return replies_.size(); }

    std::vector<Bytes> writes;
    std::vector<std::size_t> capacities;
    int reads = 0;

private:
    std::deque<Bytes> replies_;
    std::size_t failedWrite_ = static_cast<std::size_t>(-1);
    std::size_t failedWriteResult_ = 0;
};

}  // namespace lanvane::test
