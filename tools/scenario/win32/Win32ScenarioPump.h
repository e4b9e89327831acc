#pragma once

#include <windows.h>

#include "tools/scenario/BackendScreen.h"
#include "tools/scenario/ScenarioPump.h"
#include "ui/win32/Win32Backend.h"

namespace lanvane::scenario {

// The scenario's turns on the Win32 backend: a thread timer ticks in every loop that runs
// (the dialogs', a message box's, the open-file dialog's), and each tick is a turn. One pump
// at a time per thread.
class Win32ScenarioPump final : public ScenarioPump {
public:
    Win32ScenarioPump(ScenarioPlayer& player, Win32Backend& ui, int timeLimitMs)
        : ScenarioPump(player, timeLimitMs), ui_(ui), screen_(ui) {}
    ~Win32ScenarioPump() override;

private:
    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR timer, DWORD time);

    const ScenarioScreen& Screen() const override { return screen_; }
    bool MayAct() const override { return !ui_.PaintingDuringExchange(); }
    std::string Perform(const UserAction& action) override;
    void CancelInnermost() override { ui_.CancelInnermost(); }
    // The timer ticks on its own: only the first turn starts it.
    void Schedule(std::chrono::milliseconds delay) override;

    Win32Backend& ui_;
    BackendScreen<Win32Backend> screen_;
    UINT_PTR timer_ = 0;
};

}  // namespace lanvane::scenario
