#include "ui/win32/Win32Script.h"

#include <map>
#include <memory>

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
    : ui_(ui), timeLimitMs_(timeLimitMs), stuck_(std::move(stuck)) {}

Win32Script::~Win32Script() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
        Scripts().erase(timer_);
    }
}

Win32Script& Win32Script::Then(std::function<void()> step) {
    steps_.push_back(Entry{std::move(step), {}});
    return *this;
}

Win32Script& Win32Script::WaitUntil(std::function<bool()> condition) {
    steps_.push_back(Entry{{}, std::move(condition)});
    return *this;
}

Win32Script& Win32Script::Pause(int ms) {
    auto until = std::make_shared<std::uint64_t>(0);
    return WaitUntil([until, ms] {
        const std::uint64_t now = GetTickCount64();
        if (*until == 0) {
            *until = now + static_cast<std::uint64_t>(ms);
        }
        return now >= *until;
    });
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
    if (!timedOut_ && GetTickCount64() >= deadline_) {
        timedOut_ = true;
        steps_.clear();
    }
    if (timedOut_) {
        if (!stuckDone_) {
            stuckDone_ = !stuck_ || stuck_();
        }
        return;
    }
    if (steps_.empty() || ui_.PaintingDuringExchange()) {
        return;
    }
    Entry entry = steps_.front();
    if (entry.condition && !entry.condition()) {
        return;
    }
    steps_.pop_front();
    if (entry.step) {
        entry.step();
    }
}

}  // namespace lanvane
