#pragma once

#include "ui/UiBackend.h"

namespace lanvane {

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    explicit WaitCursor(UiBackend& ui);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UiBackend& ui_;
};

}  // namespace lanvane
