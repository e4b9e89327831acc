#include "ui/ControlSteps.h"

#include "ui/ComboBox.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/TabControl.h"
#include "ui/TextEntry.h"

namespace lanvane {

namespace {

Control* FindOnShownPages(Dialog& dialog, int controlId) {
    for (Dialog* page : dialog.Children()) {
        if (!page->IsCreated() || !page->IsWindowVisible()) {
            continue;
        }
        if (Control* control = page->FindControl(controlId)) {
            return control;
        }
        if (Control* inner = FindOnShownPages(*page, controlId)) {
            return inner;
        }
    }
    return nullptr;
}

std::string Refused(bool done) {
    return done ? std::string() : std::string("the control did not take it");
}

// Does `action` on the control's edit field; says so when it has none.
std::string InEditField(Control& control, auto action) {
    auto* entry = dynamic_cast<TextEntry*>(&control);
    if (entry == nullptr || !entry->TakesText()) {
        return "not an edit field";
    }
    action(*entry);
    return {};
}

template <class T>
std::string WithKind(Control& control, const char* kindName, auto action) {
    auto* typed = dynamic_cast<T*>(&control);
    return typed == nullptr ? std::string("not ") + kindName : Refused(action(*typed));
}

std::string Apply(Control& control, const Step& step) {
    switch (step.kind) {
    case StepKind::Click:
        return Refused(control.UserClick());
    case StepKind::Type:
        return InEditField(control, [&](TextEntry& entry) { entry.UserType(step.text); });
    case StepKind::Erase:
        return InEditField(control, [](TextEntry& entry) { entry.UserErase(); });
    case StepKind::Replace:
        return InEditField(control, [&](TextEntry& entry) { entry.UserReplaceText(step.text); });
    case StepKind::Choose:
        return WithKind<ComboBox>(control, "a drop-down list",
                                  [&](ComboBox& combo) { return combo.UserChoose(step.number); });
    case StepKind::SelectTab:
        return WithKind<TabControl>(control, "a tab control",
                                    [&](TabControl& tab) { return tab.UserSelectTab(step.number); });
    case StepKind::ClickRow:
        return WithKind<ListView>(control, "a list view",
                                  [&](ListView& list) { return list.UserClickRow(step.number); });
    case StepKind::SetIpField:
        return WithKind<IpAddressControl>(control, "an IP address control", [&](IpAddressControl& ip) {
            return ip.UserSetField(step.number, step.text);
        });
    case StepKind::Focus:
        return Refused(control.UserFocus());
    default:
        return "not a control step";
    }
}

}  // namespace

Dialog* FindPage(Dialog& dialog, int pageId) {
    for (Dialog* page : dialog.Children()) {
        if (page->Template().id == pageId) {
            return page;
        }
        if (Dialog* inner = FindPage(*page, pageId)) {
            return inner;
        }
    }
    return nullptr;
}

Control* FindTarget(Dialog& modal, const Target& target) {
    if (target.pageId != 0) {
        Dialog* page = FindPage(modal, target.pageId);
        return page == nullptr ? nullptr : page->FindControl(target.controlId);
    }
    if (Control* control = modal.FindControl(target.controlId)) {
        return control;
    }
    return FindOnShownPages(modal, target.controlId);
}

std::string ApplyControlStep(Dialog& modal, const Step& step) {
    Control* control = FindTarget(modal, step.target);
    if (control == nullptr) {
        return "no such control";
    }
    if (!control->AcceptsUserInput()) {
        return "the control is disabled, hidden or out of reach";
    }
    return Apply(*control, step);
}

}  // namespace lanvane
