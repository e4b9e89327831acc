#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace lanvane {

class Dialog;

// The running timers of all dialogs, on a given clock.
class TimerQueue {
public:
    // Shorter periods are raised to this, as window timers do.
    static constexpr int kMinimumPeriodMs = 10;

    struct Timer {
        Dialog* dialog;
        int id;
        int periodMs;
        std::int64_t due;
        std::uint64_t order;  // ties on due go to the timer set first
    };

    void Set(Dialog& dialog, int id, int periodMs, std::int64_t now);
    void Kill(Dialog& dialog, int id);
    void Forget(const Dialog& dialog);
    std::optional<std::int64_t> NextDue() const;
    // The earliest timer due at or before now, rescheduled one period on; ticks missed
    // while the clock jumped come as one.
    std::optional<Timer> TakeDue(std::int64_t now);

private:
    std::vector<Timer> timers_;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace lanvane
