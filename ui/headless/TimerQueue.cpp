#include "ui/headless/TimerQueue.h"

#include <algorithm>

namespace lanvane {

namespace {

bool FiresFirst(const TimerQueue::Timer& left, const TimerQueue::Timer& right) {
    return left.due != right.due ? left.due < right.due : left.order < right.order;
}

}  // namespace

void TimerQueue::Set(Dialog& dialog, int id, int periodMs, std::int64_t now) {
    Kill(dialog, id);
    const int period = std::max(periodMs, kMinimumPeriodMs);
    timers_.push_back(Timer{&dialog, id, period, now + period, nextOrder_++});
}

void TimerQueue::Kill(Dialog& dialog, int id) {
    std::erase_if(timers_, [&](const Timer& timer) { return timer.dialog == &dialog && timer.id == id; });
}

void TimerQueue::Forget(const Dialog& dialog) {
    std::erase_if(timers_, [&](const Timer& timer) { return timer.dialog == &dialog; });
}

std::optional<std::int64_t> TimerQueue::NextDue() const {
    const auto earliest = std::min_element(timers_.begin(), timers_.end(), FiresFirst);
    if (earliest == timers_.end()) {
        return std::nullopt;
    }
    return earliest->due;
}

std::optional<TimerQueue::Timer> TimerQueue::TakeDue(std::int64_t now) {
    const auto earliest = std::min_element(timers_.begin(), timers_.end(), FiresFirst);
    if (earliest == timers_.end() || earliest->due > now) {
        return std::nullopt;
    }
    const Timer due = *earliest;
    earliest->due += earliest->periodMs;
    if (earliest->due <= now) {
        earliest->due = now + earliest->periodMs;
    }
    return due;
}

}  // namespace lanvane
