#include "app/scenario/ActionPlanner.h"

#include <string>

#include "app/scenario/WindowControls.h"
#include "ui/ComboBox.h"

namespace lanvane::scenario {
namespace {

UserAction On(ActionKind kind, const ControlRef& control, int number = 0, std::string text = {}) {
    return UserAction{kind, control, std::move(text), number, {}};
}

ActionPlan Failed(std::string expected, std::string found) {
    return ActionPlan{{}, Mismatch{std::move(expected), std::move(found)}};
}

std::string WhyUnreachable(const FoundControl& found) {
    if (!found.control->IsEnabled()) {
        return "it is disabled";
    }
    if (!IsShownToUser(found)) {
        return "it is hidden";
    }
    return "its window does not take input";
}

class Planner {
public:
    explicit Planner(Dialog& window) : window_(window) {}

    ActionPlan operator()(const command::Click& click) { return Single(click.control, ActionKind::Click); }
    ActionPlan operator()(const command::Erase& erase) { return Single(erase.control, ActionKind::Erase); }
    ActionPlan operator()(const command::Focus& focus) { return Single(focus.control, ActionKind::Focus); }
    ActionPlan operator()(const command::PressEnter&) { return {{On(ActionKind::PressEnter, {})}, {}}; }
    ActionPlan operator()(const command::PressEscape&) { return {{On(ActionKind::PressEscape, {})}, {}}; }

    ActionPlan operator()(const command::Type& type) {
        ActionPlan plan = Single(type.control, ActionKind::TypeText);
        if (plan.failure) {
            return plan;
        }
        plan.actions.front().text = type.text;
        if (!type.append) {
            plan.actions.insert(plan.actions.begin(), On(ActionKind::Erase, type.control));
        }
        return plan;
    }

    ActionPlan operator()(const command::Choose& choose) {
        ActionPlan plan = Single(choose.control, ActionKind::Choose);
        if (plan.failure || choose.index) {
            plan.actions.front().number = choose.index.value_or(0);
            return plan;
        }
        auto* combo = dynamic_cast<ComboBox*>(FindWindowControl(window_, choose.control, false).control);
        const int index = combo == nullptr ? ComboBox::kNone : combo->FindStringExact(choose.entry);
        if (index == ComboBox::kNone) {
            return Failed("an entry " + Quoted(choose.entry) + " in " + choose.control.Describe(),
                          "entries " + Entries(combo));
        }
        plan.actions.front().number = index;
        return plan;
    }

    ActionPlan operator()(const command::SelectTab& select) {
        TabControl* tab = nullptr;
        ControlRef ref;
        if (select.control) {
            ref = *select.control;
            tab = dynamic_cast<TabControl*>(FindWindowControl(window_, ref, false).control);
        } else {
            tab = FindTabControl(window_);
            ref.controlId = tab == nullptr ? 0 : tab->Id();
        }
        if (tab == nullptr) {
            return Failed("a tab control in window " + std::to_string(window_.Template().id), "none");
        }
        const int index = select.index ? *select.index : TabIndex(*tab, select.label);
        if (index < 0 || index >= tab->GetItemCount()) {
            return Failed("a tab " + (select.index ? std::to_string(index) : Quoted(select.label)),
                          "tabs " + Labels(*tab));
        }
        return Single(ref, ActionKind::SelectTab, index);
    }

    ActionPlan operator()(const command::ClickRow& row) { return Single(row.control, ActionKind::ClickRow, row.row); }

    ActionPlan operator()(const command::SetAddress& address) {
        ActionPlan plan = Single(address.control, ActionKind::SetIpField);
        if (plan.failure) {
            return plan;
        }
        plan.actions.clear();
        for (int field = 0; field < 4; ++field) {
            plan.actions.push_back(On(ActionKind::SetIpField, address.control, field,
                                      address.fields[static_cast<std::size_t>(field)]));
        }
        return plan;
    }

    template <class Other>
    ActionPlan operator()(const Other&) {
        return Failed("a window action", "another kind of command");
    }

private:
    ActionPlan Single(const ControlRef& ref, ActionKind kind, int number = 0) {
        const FoundControl found = FindWindowControl(window_, ref, false);
        const std::string where = "control " + ref.Describe() + " in window " + std::to_string(window_.Template().id);
        if (!found) {
            return Failed(where, "no such control on the window or its shown pages");
        }
        if (!found.control->AcceptsUserInput()) {
            return Failed(where + " taking input", WhyUnreachable(found));
        }
        return {{On(kind, ref, number)}, {}};
    }

    static int TabIndex(const TabControl& tab, const std::string& label) {
        for (int index = 0; index < tab.GetItemCount(); ++index) {
            if (tab.GetItemText(index) == label) {
                return index;
            }
        }
        return -1;
    }

    static std::string Labels(const TabControl& tab) {
        std::string labels;
        for (int index = 0; index < tab.GetItemCount(); ++index) {
            labels += (index == 0 ? "" : " ") + Quoted(tab.GetItemText(index));
        }
        return labels.empty() ? "none" : labels;
    }

    static std::string Entries(const ComboBox* combo) {
        if (combo == nullptr) {
            return "none: not a drop-down list";
        }
        std::string entries;
        for (int index = 0; index < combo->GetCount(); ++index) {
            entries += (index == 0 ? "" : " ") + Quoted(combo->GetItemText(index));
        }
        return entries.empty() ? "none" : entries;
    }

    Dialog& window_;
};

}  // namespace

bool IsWindowAction(const CommandBody& body) {
    return std::holds_alternative<command::Click>(body) || std::holds_alternative<command::Type>(body) ||
           std::holds_alternative<command::Erase>(body) || std::holds_alternative<command::Choose>(body) ||
           std::holds_alternative<command::SelectTab>(body) || std::holds_alternative<command::ClickRow>(body) ||
           std::holds_alternative<command::SetAddress>(body) || std::holds_alternative<command::Focus>(body) ||
           std::holds_alternative<command::PressEnter>(body) || std::holds_alternative<command::PressEscape>(body);
}

ActionPlan PlanWindowAction(const CommandBody& body, Dialog& window) {
    return std::visit(Planner(window), body);
}

}  // namespace lanvane::scenario
