#pragma once

namespace lanvane::cli {

// Puts the null device in the place of each standard stream the program was started
// without (closed with >&-), so that a printer device opened later cannot take that place
// and receive what was meant for the stream. True when the standard output was closed.
bool HoldClosedStandardStreams();

}  // namespace lanvane::cli
