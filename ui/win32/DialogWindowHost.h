#pragma once

#include "ui/win32/WindowHost.h"

namespace lanvane {

class Dialog;

// What a dialog window needs from the backend beyond what its bindings do.
class DialogWindowHost : public WindowHost {
public:
    // Whether the top-level dialog is the innermost modal window, the one the user reaches.
    virtual bool IsInnermost(const Dialog& topLevel) const = 0;
    // While above zero the wait cursor shows over every window.
    virtual bool WaitCursorShown() const = 0;

protected:
    ~DialogWindowHost() = default;
};

}  // namespace lanvane
