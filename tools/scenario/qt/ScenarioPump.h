#pragma once

#include <QTimer>
#include <chrono>

#include "tools/scenario/ScenarioPlayer.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

// Lets a scenario player be the user of the Qt backend. Whenever the program waits for the
// user (no exchange running, no socket data waiting, no time being let pass), the next
// action is asked for and carried out on the widgets; each runs on its own turn of the
// innermost loop, so an action that opens a window is followed by one inside it. Virtual
// time is real time here: "advance" lets the loop run that long. At End, or when the run
// takes longer than its limit, every window is cancelled as the headless backend cancels
// them. Deadlines are kept in the steady clock's own resolution: rounded to whole
// milliseconds, an "advance" could end just before a window timer of the same length.
class ScenarioPump {
public:
    ScenarioPump(ScenarioPlayer& player, QtBackend& ui, int timeLimitMs);
    ScenarioPump(const ScenarioPump&) = delete;
    ScenarioPump& operator=(const ScenarioPump&) = delete;

    void Start();
    bool TimedOut() const { return timedOut_; }

private:
    void Turn();
    using Clock = std::chrono::steady_clock;

    void Schedule(std::chrono::milliseconds delay);
    void CloseDown();

    ScenarioPlayer& player_;
    QtBackend& ui_;
    QTimer owner_;  // the context of the scheduled turns: they go with the pump
    std::chrono::milliseconds timeLimit_;
    Clock::time_point started_;
    Clock::time_point resumeAt_;
    bool closingDown_ = false;
    bool timedOut_ = false;
};

}  // namespace lanvane::scenario
