#pragma once

#include <QTimer>
#include <deque>
#include <functional>

namespace lanvane {

class QtBackend;

// Plays steps inside whatever modal loop runs: each step is taken on its own turn of the
// innermost loop, so a step that opens a nested window lets the next step act inside it.
// Used to drive the real windows without a user (tests, screenshots, scenarios). The time
// limit runs from Start until the script is destroyed: when it passes, the remaining steps
// are dropped and the stuck handler is called, again every few milliseconds until it
// returns true, so that windows left open are closed. No step is taken while a blocking
// exchange repaints its window: the user cannot act then.
class QtScript {
public:
    using Stuck = std::function<bool()>;

    QtScript(const QtBackend& ui, int timeLimitMs, Stuck stuck);
    ~QtScript();
    QtScript(const QtScript&) = delete;
    QtScript& operator=(const QtScript&) = delete;

    QtScript& Then(std::function<void()> step);
    // Holds the script until condition holds (checked every few milliseconds).
    QtScript& WaitUntil(std::function<bool()> condition);
    // Lets the loop run on its own for a while.
    QtScript& Pause(int ms);
    void Start();
    // Every step was taken, none cut short by the time limit.
    bool Finished() const { return steps_.empty() && !timedOut_; }
    bool TimedOut() const { return timedOut_; }

private:
    struct Entry {
        std::function<void()> step;
        std::function<bool()> condition;
    };

    void Next();
    void OutOfTime();

    const QtBackend& ui_;
    std::deque<Entry> steps_;
    Stuck stuck_;
    QTimer timeLimit_;
    bool timedOut_ = false;
};

}  // namespace lanvane
