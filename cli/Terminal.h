#pragma once

namespace lanvane::cli {

// True when the message stream goes to a terminal, where a progress bar may redraw itself.
bool MessagesGoToTerminal();

}  // namespace lanvane::cli
