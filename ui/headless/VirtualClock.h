#pragma once

#include <cstdint>

namespace lanvane {

// Milliseconds that pass only when told to, so long time-outs cost no real time.
class VirtualClock {
public:
    std::int64_t Now() const { return now_; }
    void Advance(std::int64_t ms) { now_ += ms; }
    void AdvanceTo(std::int64_t time) {
        if (time > now_) {
            now_ = time;
        }
    }

private:
    std::int64_t now_ = 0;
};

}  // namespace lanvane
