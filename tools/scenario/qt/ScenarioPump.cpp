#include "tools/scenario/qt/ScenarioPump.h"

#include <algorithm>

#include "tools/scenario/qt/QtScreen.h"
#include "tools/scenario/qt/WidgetActions.h"

namespace lanvane::scenario {

namespace {

// Between two actions the loop takes a breath, so that what an action set off (window
// changes, timers due now) happens before the next one is asked for.
constexpr std::chrono::milliseconds kTurnGap{2};
constexpr std::chrono::milliseconds kLongestPause{20};
constexpr int kLongestWaitMs = 5000;

}  // namespace

ScenarioPump::ScenarioPump(ScenarioPlayer& player, QtBackend& ui, int timeLimitMs)
    : player_(player), ui_(ui), timeLimit_(timeLimitMs) {}

void ScenarioPump::Start() {
    started_ = Clock::now();
    resumeAt_ = started_;
    Schedule(std::chrono::milliseconds(0));
}

void ScenarioPump::Schedule(std::chrono::milliseconds delay) {
    QTimer::singleShot(delay, Qt::PreciseTimer, &owner_, [this] { Turn(); });
}

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
        Schedule(kTurnGap);
        CloseDown();
        return;
    }
    if (now < resumeAt_) {
        // Rounded up: the turn never comes before the deadline, so a window timer due at
        // the same moment has ticked by then.
        Schedule(std::min(std::chrono::ceil<std::chrono::milliseconds>(resumeAt_ - now), kLongestPause));
        return;
    }
    if (ui_.PaintingDuringExchange() || ui_.SocketDataWaiting()) {
        Schedule(kTurnGap);
        return;
    }
    const UserAction action = player_.Next(QtScreen(ui_));
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
    const std::string refusal = PerformOnWidgets(ui_, action);
    if (!refusal.empty()) {
        player_.Refused(refusal);
    }
}

void ScenarioPump::CloseDown() {
    ui_.CancelInnermost();
}

}  // namespace lanvane::scenario
