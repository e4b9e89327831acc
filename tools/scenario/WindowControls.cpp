#include "tools/scenario/WindowControls.h"

#include "ui/ControlSteps.h"

namespace lanvane::scenario {
namespace {

FoundControl FindOnPages(Dialog& dialog, int controlId, bool shownOnly) {
    for (Dialog* page : dialog.Children()) {
        if (!page->IsCreated() || (shownOnly && !page->IsWindowVisible())) {
            continue;
        }
        if (Control* control = page->FindControl(controlId)) {
            return {control, page};
        }
        if (FoundControl inner = FindOnPages(*page, controlId, shownOnly)) {
            return inner;
        }
    }
    return {};
}

}  // namespace

FoundControl FindWindowControl(Dialog& window, const ControlRef& ref, bool anyPage) {
    if (ref.pageId != 0) {
        Dialog* page = FindPage(window, ref.pageId);
        return page == nullptr ? FoundControl{} : FoundControl{page->FindControl(ref.controlId), page};
    }
    if (Control* control = window.FindControl(ref.controlId)) {
        return {control, &window};
    }
    if (FoundControl shown = FindOnPages(window, ref.controlId, true)) {
        return shown;
    }
    return anyPage ? FindOnPages(window, ref.controlId, false) : FoundControl{};
}

TabControl* FindTabControl(Dialog& window) {
    for (const auto& control : window.Controls()) {
        if (auto* tab = dynamic_cast<TabControl*>(control.get())) {
            return tab;
        }
    }
    return nullptr;
}

bool IsShownToUser(const FoundControl& found) {
    if (!found.control->IsVisible()) {
        return false;
    }
    for (const Dialog* dialog = found.owner; dialog != nullptr; dialog = dialog->Parent()) {
        if (!dialog->IsWindowVisible()) {
            return false;
        }
    }
    return true;
}

}  // namespace lanvane::scenario
