#include "tools/scenario/ScenarioPump.h"

#include <algorithm>

namespace lanvane::scenario {

namespace {

// Between two actions the loop takes a breath, so that what an action set off (window
// changes, timers due now) happens before the next one is asked for.
constexpr std::chrono::milliseconds kTurnGap{2};
constexpr std::chrono::milliseconds kLongestPause{20};
constexpr int kLongestWaitMs = 5000;

}  // namespace

void ScenarioPump::Start() {
    started_ = Clock::now();
    resumeAt_ = started_;
    Schedule(std::chrono::milliseconds(0));
}

void ScenarioPump::Turn() {
    if (Screen().ProgramEnded()) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (!closingDown_ && now - started_ > timeLimit_) {
        timedOut_ = true;
        closingDown_ = true;
    }
    if (closingDown_) {
        Schedule(kTurnGap);
        CancelInnermost();
        return;
    }
    if (now < resumeAt_) {
        // Rounded up: the turn never comes before the deadline, so a window timer due at
        // the same moment has ticked by then.
        Schedule(std::min(std::chrono::ceil<std::chrono::milliseconds>(resumeAt_ - now), kLongestPause));
        return;
    }
    if (!MayAct()) {
        Schedule(kTurnGap);
        return;
    }
    const UserAction action = player_.Next(Screen());
    Schedule(kTurnGap);
    switch (action.kind) {
    case ActionKind::Advance:
        resumeAt_ = Clock::now() + std::chrono::milliseconds(std::max(action.number, 0));
        return;
    case ActionKind::Wait:
        resumeAt_ = Clock::now() + std::chrono::milliseconds(std::clamp(action.number, 0, kLongestWaitMs));
        return;
    case ActionKind::End:
        closingDown_ = true;
        return;
    default:
        break;
    }
    // An action that opens a window returns only when the window closes; meanwhile the
    // window's own loop turns, and the next actions are played inside it.
    if (const std::string refusal = Perform(action); !refusal.empty()) {
        player_.Refused(refusal);
    }
}

}  // namespace lanvane::scenario
