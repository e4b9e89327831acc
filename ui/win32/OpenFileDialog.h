#pragma once

#include "ui/win32/WindowsHeader.h"

#include <string>
#include <string_view>
#include <vector>

#include "ui/FileDialogRequest.h"

namespace lanvane {

// The system's filter text of a "description|pattern|" filter: pairs ended by NUL, the
// whole ended by a second NUL.
std::wstring SystemFilter(std::string_view filter);

// The paths GetOpenFileNameW leaves in its buffer: one full path, or with multi-select a
// folder followed by the file names chosen in it.
std::vector<std::string> ChosenPaths(std::wstring_view buffer);

// Runs GetOpenFileNameW over owner; the chosen paths, empty when cancelled.
std::vector<std::string> RunOpenFileDialog(HWND owner, const FileDialogRequest& request);

}  // namespace lanvane
