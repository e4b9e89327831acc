#pragma once

#include <windows.h>

#include <chrono>

#include "tools/scenario/ScenarioPlayer.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

// Lets a scenario player be the user of the Win32 backend. A thread timer ticks in every
// loop that runs (the dialogs', a message box's, the open-file dialog's); on each tick
// where the program waits for the user (no exchange repainting its window, no time being
// let pass) the next action is asked for and carried out on the controls, so an action
// that opens a window is followed by one inside it. Virtual time is real time here:
// "advance" lets the loops run that long. At End, or when the run takes longer than its
// limit, every window is cancelled as the headless backend cancels them. One pump at a
// time per thread.
class ScenarioPump {
public:
    ScenarioPump(ScenarioPlayer& player, Win32Backend& ui, int timeLimitMs);
    ~ScenarioPump();
    ScenarioPump(const ScenarioPump&) = delete;
    ScenarioPump& operator=(const ScenarioPump&) = delete;

    void Start();
    bool TimedOut() const { return timedOut_; }

private:
    using Clock = std::chrono::steady_clock;

    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR timer, DWORD time);
    void Turn();

    ScenarioPlayer& player_;
    Win32Backend& ui_;
    std::chrono::milliseconds timeLimit_;
    Clock::time_point started_;
    Clock::time_point resumeAt_;
    UINT_PTR timer_ = 0;
    bool closingDown_ = false;
    bool timedOut_ = false;
};

}  // namespace lanvane::scenario
