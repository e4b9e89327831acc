#pragma once

namespace lanvane::cli {

// True when the message stream goes to a terminal, where a progress bar may redraw itself.
bool MessagesGoToTerminal();

// Makes the terminal show the program's UTF-8 output as such (a no-op where it does already).
void ShowUtf8Output();

}  // namespace lanvane::cli
