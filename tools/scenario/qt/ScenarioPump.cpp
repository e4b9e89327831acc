#include "tools/scenario/qt/ScenarioPump.h"

#include <algorithm>

#include "tools/scenario/qt/QtScreen.h"
#include "tools/scenario/qt/WidgetActions.h"

namespace lanvane::scenario {

namespace {

// Between two actions the loop takes a breath, so that what an action set off (window
// changes, timers due now) happens before the next one is asked for.
constexpr int kTurnGapMs = 2;
constexpr int kLongestWaitMs = 5000;

}  // namespace

ScenarioPump::ScenarioPump(ScenarioPlayer& player, QtBackend& ui, int timeLimitMs)
    : player_(player), ui_(ui), timeLimitMs_(timeLimitMs) {}

void ScenarioPump::Start() {
    clock_.start();
    Schedule(0);
}

void ScenarioPump::Schedule(int delayMs) {
    QTimer::singleShot(delayMs, &owner_, [this] { Turn(); });
}

void ScenarioPump::Turn() {
    if (ui_.ModalDepth() == 0) {
        return;
    }
    if (!closingDown_ && clock_.elapsed() > timeLimitMs_) {
        timedOut_ = true;
        closingDown_ = true;
    }
    if (closingDown_) {
        Schedule(kTurnGapMs);
        CloseDown();
        return;
    }
    const qint64 now = clock_.elapsed();
    if (now < resumeAtMs_) {
        Schedule(static_cast<int>(std::min<qint64>(resumeAtMs_ - now, kTurnGapMs * 10)));
        return;
    }
    if (ui_.PaintingDuringExchange() || ui_.SocketDataWaiting()) {
        Schedule(kTurnGapMs);
        return;
    }
    const UserAction action = player_.Next(QtScreen(ui_));
    Schedule(kTurnGapMs);
    switch (action.kind) {
    case ActionKind::Advance:
        resumeAtMs_ = clock_.elapsed() + std::max(action.number, 0);
        return;
    case ActionKind::Wait:
        resumeAtMs_ = clock_.elapsed() + std::clamp(action.number, 0, kLongestWaitMs);
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
