#include "tools/scenario/win32/ScenarioPump.h"

#include <algorithm>

#include "tools/scenario/win32/ControlActions.h"
#include "tools/scenario/win32/Win32Screen.h"

namespace lanvane::scenario {

namespace {

// Between two actions the loops take a breath, so that what an action set off (window
// changes, timers due now) happens before the next one is asked for.
constexpr UINT kTickMs = 5;
constexpr int kLongestWaitMs = 5000;

// The thread timer's callback gets no context: the pump of this thread.
thread_local ScenarioPump* runningPump = nullptr;

}  // namespace

ScenarioPump::ScenarioPump(ScenarioPlayer& player, Win32Backend& ui, int timeLimitMs)
    : player_(player), ui_(ui), timeLimit_(timeLimitMs) {}

ScenarioPump::~ScenarioPump() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
    }
    runningPump = nullptr;
}

void ScenarioPump::Start() {
    started_ = Clock::now();
    resumeAt_ = started_;
    runningPump = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, &ScenarioPump::Tick);
}

void CALLBACK ScenarioPump::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (runningPump != nullptr) {
        runningPump->Turn();
    }
}

// An action that opens a window returns only when the window closes; meanwhile the window's
// own loop ticks, and the next actions are played inside it.
void ScenarioPump::Turn() {
    if (ui_.ModalDepth() == 0) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (!closingDown_ && now - started_ > timeLimit_) {
        timedOut_ = true;
        closingDown_ = true;
    }
    if (closingDown_) {
        ui_.CancelInnermost();
    } else if (now >= resumeAt_ && !ui_.PaintingDuringExchange()) {
        const UserAction action = player_.Next(Win32Screen(ui_));
        switch (action.kind) {
        case ActionKind::Advance:
            resumeAt_ = Clock::now() + std::chrono::milliseconds(std::max(action.number, 0));
            break;
        case ActionKind::Wait:
            resumeAt_ = Clock::now() + std::chrono::milliseconds(std::clamp(action.number, 0, kLongestWaitMs));
            break;
        case ActionKind::End:
            closingDown_ = true;
            break;
        default:
            if (const std::string refusal = PerformOnControls(ui_, action); !refusal.empty()) {
                player_.Refused(refusal);
            }
            break;
        }
    }
}

}  // namespace lanvane::scenario
