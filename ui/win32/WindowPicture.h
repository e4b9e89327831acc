#pragma once

#include <windows.h>

#include <string>

namespace lanvane {

// Saves what the screen shows of `window` (its whole rectangle, controls drawn) as a PNG
// file at the UTF-8 `path`. Taken from the screen because PrintWindow draws nothing under
// Wine; so the window must be shown and on top. False when the screen cannot be read or
// the file not written.
bool SaveWindowPicture(HWND window, const std::string& path);

}  // namespace lanvane
