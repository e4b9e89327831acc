#pragma once

#include <chrono>

namespace lanvane {

// The end of a bounded wait, and what is left of it.
class WaitDeadline {
public:
    explicit WaitDeadline(std::chrono::milliseconds duration)
        : end_(std::chrono::steady_clock::now() + duration) {}

    // Zero once the deadline has passed.
    std::chrono::milliseconds Remaining() const {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end_ - std::chrono::steady_clock::now());
        return left.count() > 0 ? left : std::chrono::milliseconds{0};
    }

private:
    std::chrono::steady_clock::time_point end_;
};

}  // namespace lanvane
