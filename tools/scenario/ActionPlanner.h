#pragma once

#include <optional>
#include <vector>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioFailure.h"
#include "tools/scenario/UserAction.h"
#include "ui/Dialog.h"

namespace lanvane::scenario {

// The user actions that carry out one command, or why it cannot be done.
struct ActionPlan {
    std::vector<UserAction> actions;
    std::optional<Mismatch> failure;
};

// Whether the command acts on a control or key of the window (click, type, choose ...).
bool IsWindowAction(const CommandBody& body);

// Plans a window action against the window on screen: finds the control, checks that the
// user can reach it, and resolves entries and tabs named by their text to indexes.
ActionPlan PlanWindowAction(const CommandBody& body, Dialog& window);

}  // namespace lanvane::scenario
