#pragma once

#include "ui/win32/WindowsHeader.h"

#include <cstdint>

#include "ui/StepScript.h"

namespace lanvane {

class Win32Backend;

// Plays steps inside whatever modal loop runs: a thread timer takes one step per tick, and
// its ticks are dispatched by every loop (ours, a message box's, the open-file dialog's).
// Once the time limit has passed, the stuck handler is called on every tick until it
// returns true. No step is taken while a blocking exchange repaints its window: the user
// cannot act then.
class Win32Script : public StepScript {
public:
    Win32Script(const Win32Backend& ui, int timeLimitMs, Stuck stuck);
    ~Win32Script() override;

    void Start() override;

private:
    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR timer, DWORD time);
    void Next();

    const Win32Backend& ui_;
    int timeLimitMs_;
    std::uint64_t deadline_ = 0;
    UINT_PTR timer_ = 0;
    bool outOfTime_ = false;
    bool stuckDone_ = false;
};

}  // namespace lanvane
