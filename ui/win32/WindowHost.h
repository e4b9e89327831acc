#pragma once

#include "ui/win32/WindowsHeader.h"

namespace lanvane {

// What the windows and their bindings need from the backend that made them.
class WindowHost {
public:
    // Set while a window copies its models onto its controls. What Windows does meanwhile,
    // such as moving the focus off a control that is hidden, is not the user's doing.
    virtual bool& Mirroring() = 0;
    // The application icon for icon controls and window frames.
    virtual HICON Icon() const = 0;

protected:
    ~WindowHost() = default;
};

}  // namespace lanvane
