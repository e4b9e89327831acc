#pragma once

#include "tools/scenario/ControlRef.h"
#include "ui/Control.h"
#include "ui/Dialog.h"
#include "ui/TabControl.h"

namespace lanvane::scenario {

struct FoundControl {
    Control* control = nullptr;
    Dialog* owner = nullptr;  // the window or page that holds it

    explicit operator bool() const { return control != nullptr; }
};

// A control of a window as a scenario names it. With a page id: that page's control.
// Otherwise the window's own control, else one on a shown page, else (for expectations
// only, when anyPage is set) one on any page.
FoundControl FindWindowControl(Dialog& window, const ControlRef& ref, bool anyPage);

// The first tab control of the window.
TabControl* FindTabControl(Dialog& window);

// Whether the user sees the control: it and every dialog up to its window are shown.
bool IsShownToUser(const FoundControl& found);

}  // namespace lanvane::scenario
