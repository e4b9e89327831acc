#pragma once

#include <string>

#include "ui/Step.h"

namespace lanvane {

class HeadlessBackend;

// The user of the headless backend: asked for the next step whenever the innermost modal
// loop has nothing due. It reads the windows' state through the backend (ActiveDialog,
// PendingMessageBox, ...) and answers with one step; End when it has nothing more to do.
class HeadlessDriver {
public:
    virtual ~HeadlessDriver() = default;
    virtual Step NextStep(const HeadlessBackend& ui) = 0;
    // A step that could not be carried out (no such control, disabled, no message box open ...).
    virtual void OnStepRejected(const Step& step, const std::string& reason) = 0;
};

}  // namespace lanvane
