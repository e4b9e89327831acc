#pragma once

namespace lanvane {

class Dialog;

// Ctrl+Tab / Ctrl+PageDown (forward) and Ctrl+Shift+Tab / Ctrl+PageUp from anywhere in a
// window or its pages: the next or previous tab of the window's tab control, which takes the
// focus first, as a click on a tab gives it. False when the window has no tab control that
// takes input.
bool UserSwitchPage(Dialog& dialog, bool forward);

}  // namespace lanvane
