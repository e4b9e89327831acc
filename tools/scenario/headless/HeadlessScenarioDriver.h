#pragma once

#include <string>

#include "tools/scenario/ScenarioPlayer.h"
#include "ui/headless/HeadlessDriver.h"

namespace lanvane::scenario {

// Lets a scenario player be the user of the headless backend.
class HeadlessScenarioDriver final : public HeadlessDriver {
public:
    explicit HeadlessScenarioDriver(ScenarioPlayer& player) : player_(player) {}

    Step NextStep(const HeadlessBackend& ui) override;
    void OnStepRejected(const Step& step, const std::string& reason) override;

private:
    ScenarioPlayer& player_;
};

// The headless step that carries out a user action.
Step StepFor(const UserAction& action);

}  // namespace lanvane::scenario
