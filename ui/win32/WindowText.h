#pragma once

#include "ui/win32/WindowsHeader.h"

#include <string>

namespace lanvane {

// A window's text, as UTF-8.
std::string WindowText(HWND window);

}  // namespace lanvane
