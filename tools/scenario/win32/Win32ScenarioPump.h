#pragma once

#include <windows.h>

#include "tools/scenario/BackendPump.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

// The scenario's turns on the Win32 backend: a thread timer ticks in every loop that runs
// (the dialogs', a message box's, the open-file dialog's), and each tick is a turn. One pump
// at a time per thread.
class Win32ScenarioPump final : public BackendPump<Win32Backend> {
public:
    Win32ScenarioPump(ScenarioPlayer& player, Win32Backend& ui, int timeLimitMs)
        : BackendPump(player, ui, timeLimitMs) {}
    ~Win32ScenarioPump() override;

private:
    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR timer, DWORD time);

    bool MayAct() const override { return !Ui().PaintingDuringExchange(); }
    std::string Perform(const UserAction& action) override;
    // The timer ticks on its own: only the first turn starts it.
    void Schedule(std::chrono::milliseconds delay) override;

    UINT_PTR timer_ = 0;
};

}  // namespace lanvane::scenario
