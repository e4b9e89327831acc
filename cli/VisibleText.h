#pragma once

#include <string>
#include <string_view>

namespace lanvane::cli {

// Text that came from a printer or from the air (printer names, SSIDs, maker names), made
// safe for a terminal: control characters become visible escapes (\e, \r, \x07, \u009b),
// so do the invisible marks that reorder a line (U+202E and the other bidirectional
// controls), and bytes that are no UTF-8 become \xHH, so that a name cannot clear the
// screen, move the cursor, set the window title or show itself backwards. Other valid
// UTF-8 text is kept as it is.
std::string VisibleText(std::string_view text);

// A JSON text with the C1 controls and the bidirectional controls inside its strings
// written as \u escapes: JSON allows them raw, but a terminal acts on them. The value the
// document carries stays the same.
std::string VisibleJson(std::string_view json);

}  // namespace lanvane::cli
