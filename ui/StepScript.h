#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>

namespace lanvane {

// The steps that drive real windows without a user (tests, screenshots, scenarios): a list
// of actions and of conditions to wait for, taken one at a time. A backend's script decides
// when a turn comes (inside whatever modal loop runs, so a step that opens a nested window
// lets the next step act inside it) and asks here for the step due. When the time limit has
// passed, the remaining steps are dropped and the stuck handler is called until it returns
// true, so that windows left open are closed.
class StepScript {
public:
    using Stuck = std::function<bool()>;

    virtual ~StepScript() = default;
    StepScript(const StepScript&) = delete;
    StepScript& operator=(const StepScript&) = delete;

    StepScript& Then(std::function<void()> step);
    // Holds the script until condition holds (checked on every turn).
    StepScript& WaitUntil(std::function<bool()> condition);
    // Lets the loops run on their own for a while.
    StepScript& Pause(int ms);
    virtual void Start() = 0;
    // Every step was taken, none cut short by the time limit.
    bool Finished() const { return steps_.empty() && !timedOut_; }
    bool TimedOut() const { return timedOut_; }

protected:
    explicit StepScript(Stuck stuck) : stuck_(std::move(stuck)) {}

    // The front entry, taken off once its condition holds (an empty step when it is only a
    // wait); nothing while it waits or when no step is left.
    std::optional<std::function<void()>> TakeDueStep();
    bool StepsLeft() const { return !steps_.empty(); }
    // Drops the steps left and calls the stuck handler: true once it has closed what it must.
    bool GiveUp();

private:
    struct Entry {
        std::function<void()> step;
        std::function<bool()> condition;
    };

    std::deque<Entry> steps_;
    Stuck stuck_;
    bool timedOut_ = false;
};

}  // namespace lanvane
