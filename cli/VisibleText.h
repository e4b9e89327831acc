#pragma once

#include <string>
#include <string_view>

namespace lanvane::cli {

// Text that came from a printer or from the air (printer names, SSIDs, maker names), made
// safe for a terminal: control characters become visible escapes (\e, \r, \x07, \u009b)
// and bytes that are no UTF-8 become \xHH, so that a name cannot clear the screen, move the
// cursor or set the window title. Valid UTF-8 text is kept as it is. JSON output stays exact.
std::string VisibleText(std::string_view text);

}  // namespace lanvane::cli
