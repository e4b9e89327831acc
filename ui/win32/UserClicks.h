#pragma once

#include "ui/win32/WindowsHeader.h"

namespace lanvane {

// Clicks on common controls with the mouse messages a user's click gives them, so that the
// controls raise their own notifications (used by whatever drives the windows without a
// user: the scenario runner, the screenshots). False when the control has no such item.
bool ClickTab(HWND tabs, int index);
bool ClickListRow(HWND list, int row);

}  // namespace lanvane
