#include "ui/StepScript.h"

#include <memory>

namespace lanvane {

StepScript& StepScript::Then(std::function<void()> step) {
    steps_.push_back(Entry{std::move(step), {}});
    return *this;
}

StepScript& StepScript::WaitUntil(std::function<bool()> condition) {
    steps_.push_back(Entry{{}, std::move(condition)});
    return *this;
}

StepScript& StepScript::Pause(int ms) {
    using Clock = std::chrono::steady_clock;
    auto until = std::make_shared<std::optional<Clock::time_point>>();
    return WaitUntil([until, ms] {
        const Clock::time_point now = Clock::now();
        if (!*until) {
            *until = now + std::chrono::milliseconds(ms);
        }
        return now >= **until;
    });
}

std::optional<std::function<void()>> StepScript::TakeDueStep() {
    if (steps_.empty() || (steps_.front().condition && !steps_.front().condition())) {
        return std::nullopt;
    }
    std::function<void()> step = std::move(steps_.front().step);
    steps_.pop_front();
    return step;
}

bool StepScript::GiveUp() {
    timedOut_ = true;
    steps_.clear();
    return !stuck_ || stuck_();
}

}  // namespace lanvane
