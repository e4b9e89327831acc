#pragma once

#include <chrono>
#include <string>

#include "tools/scenario/ScenarioPlayer.h"
#include "tools/scenario/ScenarioScreen.h"

namespace lanvane::scenario {

// Lets a scenario player be the user of a real backend. A backend's pump calls Turn inside
// whatever loop runs; whenever the program waits for the user (MayAct, no time being let
// pass) the next action is asked for and carried out on the real controls, so an action that
// opens a window is followed by one inside it: the next turn is scheduled before the action
// runs. Virtual time is real time here: "advance" lets the loops run that long. At End, or
// when the run takes longer than its limit, every window is cancelled as the headless
// backend cancels them. Deadlines are kept in the steady clock's own resolution: rounded to
// whole milliseconds, an "advance" could end just before a window timer of the same length.
class ScenarioPump {
public:
    ScenarioPump(const ScenarioPump&) = delete;
    ScenarioPump& operator=(const ScenarioPump&) = delete;
    virtual ~ScenarioPump() = default;

    void Start();
    bool TimedOut() const { return timedOut_; }

protected:
    ScenarioPump(ScenarioPlayer& player, int timeLimitMs) : player_(player), timeLimit_(timeLimitMs) {}

    void Turn();

private:
    using Clock = std::chrono::steady_clock;

    virtual const ScenarioScreen& Screen() const = 0;
    // The user may act now: no exchange repaints its window, nothing else is due first.
    virtual bool MayAct() const = 0;
    // Why the action could not be done on the controls, or "".
    virtual std::string Perform(const UserAction& action) = 0;
    virtual void CancelInnermost() = 0;
    // The first turn, and each next one after `delay` (where the backend does not tick).
    virtual void Schedule(std::chrono::milliseconds delay) = 0;

    ScenarioPlayer& player_;
    std::chrono::milliseconds timeLimit_;
    Clock::time_point started_;
    Clock::time_point resumeAt_;
    bool closingDown_ = false;
    bool timedOut_ = false;
};

}  // namespace lanvane::scenario
