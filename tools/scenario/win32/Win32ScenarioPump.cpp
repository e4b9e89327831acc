#include "tools/scenario/win32/Win32ScenarioPump.h"

#include "tools/scenario/win32/ControlActions.h"

namespace lanvane::scenario {

namespace {

constexpr UINT kTickMs = 5;

// The thread timer's callback gets no context: the pump of this thread.
thread_local Win32ScenarioPump* runningPump = nullptr;

}  // namespace

Win32ScenarioPump::~Win32ScenarioPump() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
    }
    runningPump = nullptr;
}

void Win32ScenarioPump::Schedule(std::chrono::milliseconds /*delay*/) {
    if (timer_ == 0) {
        runningPump = this;
        timer_ = SetTimer(nullptr, 0, kTickMs, &Win32ScenarioPump::Tick);
    }
}

void CALLBACK Win32ScenarioPump::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (runningPump != nullptr) {
        runningPump->Turn();
    }
}

std::string Win32ScenarioPump::Perform(const UserAction& action) {
    return PerformOnControls(Ui(), action);
}

}  // namespace lanvane::scenario
