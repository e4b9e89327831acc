#pragma once

#include "ui/win32/WindowsHeader.h"

#include <cstdint>
#include <deque>
#include <functional>

namespace lanvane {

class Win32Backend;

// Plays steps inside whatever modal loop runs: a thread timer takes one step per tick, and
// its ticks are dispatched by every loop (ours, a message box's, the open-file dialog's),
// so a step that opens a nested window lets the next step act inside it. Used to drive the
// real windows without a user (tests, screenshots, scenarios). When the time limit has
// passed the remaining steps are dropped and the stuck handler is called on every tick
// until it returns true, so that windows left open are closed. No step is taken while a
// blocking exchange repaints its window: the user cannot act then.
class Win32Script {
public:
    using Stuck = std::function<bool()>;

    Win32Script(const Win32Backend& ui, int timeLimitMs, Stuck stuck);
    ~Win32Script();
    Win32Script(const Win32Script&) = delete;
    Win32Script& operator=(const Win32Script&) = delete;

    Win32Script& Then(std::function<void()> step);
    // Holds the script until condition holds (checked on every tick).
    Win32Script& WaitUntil(std::function<bool()> condition);
    // Lets the loops run on their own for a while.
    Win32Script& Pause(int ms);
    void Start();
    // Every step was taken, none cut short by the time limit.
    bool Finished() const { return steps_.empty() && !timedOut_; }
    bool TimedOut() const { return timedOut_; }

private:
    struct Entry {
        std::function<void()> step;
        std::function<bool()> condition;
    };

    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR timer, DWORD time);
    void Next();

    const Win32Backend& ui_;
    int timeLimitMs_;
    std::uint64_t deadline_ = 0;
    std::deque<Entry> steps_;
    Stuck stuck_;
    UINT_PTR timer_ = 0;
    bool timedOut_ = false;
    bool stuckDone_ = false;
};

}  // namespace lanvane
