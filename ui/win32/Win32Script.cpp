#include "ui/win32/Win32Script.h"

#include <map>

#include "ui/win32/Win32Backend.h"

namespace lanvane {

namespace {

constexpr UINT kTickMs = 5;

// Thread timers name no window: their procedure finds its script by the timer's id.
std::map<UINT_PTR, Win32Script*>& Scripts() {
    static std::map<UINT_PTR, Win32Script*> scripts;
    return scripts;
}

}  // namespace

Win32Script::Win32Script(const Win32Backend& ui, int timeLimitMs, Stuck stuck)
    : StepScript(std::move(stuck)), ui_(ui), timeLimitMs_(timeLimitMs) {}

Win32Script::~Win32Script() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
        Scripts().erase(timer_);
    }
}

void Win32Script::Start() {
    deadline_ = GetTickCount64() + static_cast<std::uint64_t>(timeLimitMs_);
    timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
    Scripts()[timer_] = this;
}

void CALLBACK Win32Script::Tick(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    const auto found = Scripts().find(timer);
    if (found != Scripts().end()) {
        found->second->Next();
    }
}

void Win32Script::Next() {
    outOfTime_ = outOfTime_ || GetTickCount64() >= deadline_;
    if (outOfTime_) {
        stuckDone_ = stuckDone_ || GiveUp();
        return;
    }
    if (ui_.PaintingDuringExchange()) {
        return;
    }
    if (const std::optional<std::function<void()>> step = TakeDueStep(); step && *step) {
        (*step)();
    }
}

}  // namespace lanvane
