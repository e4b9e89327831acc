#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tools/scenario/PrinterBench.h"
#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/ScenarioScreen.h"
#include "tools/scenario/UserAction.h"

namespace lanvane::scenario {

// Plays a scenario against a running program, whatever backend runs it. Whenever the
// program waits for the user, the backend asks Next for the user's next action; on the way
// to it, printer commands and expectations run at once. Playing stops at the first
// mismatch: from then on, and once every command ran, the answer is End.
class ScenarioPlayer {
public:
    ScenarioPlayer(const Scenario& scenario, PrinterBench& printers);

    UserAction Next(const ScenarioScreen& screen);
    // The last action handed out could not be carried out.
    void Refused(const std::string& reason);

    bool Passed() const { return completed_ && !failure_; }
    const std::optional<ScenarioFailure>& Failure() const { return failure_; }

private:
    void Run(const ScenarioCommand& command, const ScenarioScreen& screen);
    void RunWindowAction(const CommandBody& body, const ScenarioScreen& screen);
    void RunMessageExpectation(const ScenarioScreen& screen);
    void RunPick(const command::PickFiles& pick, const ScenarioScreen& screen);
    void RunTimeStep(const CommandBody& body, const ScenarioScreen& screen);
    // The next piece of a running wait, or nothing once it is over.
    std::optional<UserAction> ContinueWait();
    void RunAnswer(const ScenarioScreen& screen);
    // Why the user cannot act on a window now, or nothing.
    std::optional<Mismatch> Blocked(const ScenarioScreen& screen) const;
    void Fail(Mismatch mismatch);
    void Fail(int line, const std::string& command, Mismatch mismatch);

    const Scenario& scenario_;
    PrinterBench& printers_;
    std::size_t next_ = 0;
    const ScenarioCommand* current_ = nullptr;
    const ScenarioCommand* lastAction_ = nullptr;
    std::deque<UserAction> pending_;
    std::optional<std::vector<std::string>> armedFiles_;
    // A wait lets real time pass while network data is delivered, until this moment.
    std::optional<std::chrono::steady_clock::time_point> waitUntil_;
    std::optional<ScenarioFailure> failure_;
    bool completed_ = false;
};

}  // namespace lanvane::scenario
