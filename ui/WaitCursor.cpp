#include "ui/WaitCursor.h"

namespace lanvane {

WaitCursor::WaitCursor(UiBackend& ui) : ui_(ui) {
    ui_.BeginWaitCursor();
}

WaitCursor::~WaitCursor() {
    ui_.EndWaitCursor();
}

}  // namespace lanvane
