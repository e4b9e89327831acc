#pragma once

#include <string_view>

// Measures shared by the templates, in dialog units.
namespace lanvane::dialogs {

constexpr std::string_view kShellFont = "MS Shell Dlg";
constexpr int kShellFontSize = 8;

// A page fills the display area of the configuration window's tab control, which is wide
// enough for its six tab labels side by side in every language.
constexpr int kPageWidth = 376;
constexpr int kPageHeight = 220;

constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kFieldHeight = 12;   // edits, IP address controls, closed drop-down lists
constexpr int kTextHeight = 8;     // one line of 8 pt text
constexpr int kChoiceHeight = 10;  // radio buttons and check boxes

}  // namespace lanvane::dialogs
