#include "tools/scenario/ActionPlanner.h"

#include <algorithm>
#include <string>

#include "tools/scenario/ShownTexts.h"
#include "tools/scenario/WindowControls.h"
#include "ui/ComboBox.h"
#include "ui/IpAddressControl.h"

namespace lanvane::scenario {
namespace {

UserAction On(ActionKind kind, const ControlRef& control, int number = 0, std::string text = {}) {
    return UserAction{kind, control, std::move(text), number, {}};
}

ActionPlan Failed(std::string expected, std::string found) {
    return ActionPlan{{}, Mismatch{std::move(expected), std::move(found)}};
}

// The value a field takes from typed digits (at most three): blank for none, at most 255.
std::optional<int> FieldValue(const std::string& digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    return std::min(std::stoi(digits), 255);
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
    ActionPlan operator()(const command::PageKey& key) {
        return {{On(ActionKind::PageKey, {}, key.forward ? 1 : -1, key.key)}, {}};
    }

    // A user selects all and types over it: the first key replaces the whole text, the
    // others follow one by one. Typing nothing over a selection erases it.
    ActionPlan operator()(const command::Type& type) {
        ActionPlan plan = Single(type.control, ActionKind::TypeText);
        if (plan.failure) {
            return plan;
        }
        if (type.append) {
            plan.actions.front().text = type.text;
        } else if (type.text.empty()) {
            plan.actions.front().kind = ActionKind::Erase;
        } else {
            plan.actions.front().text = type.text.substr(1);
            plan.actions.insert(plan.actions.begin(), On(ActionKind::ReplaceText, type.control, 0, type.text.substr(0, 1)));
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

    // Fields that already hold the value are left alone, as a user retyping the same digits
    // changes nothing.
    ActionPlan operator()(const command::SetAddress& address) {
        ActionPlan plan = Single(address.control, ActionKind::SetIpField);
        auto* ip = dynamic_cast<IpAddressControl*>(FindWindowControl(window_, address.control, false).control);
        if (plan.failure || ip == nullptr) {
            return plan.failure ? plan : Failed("an IP address control " + address.control.Describe(), "another kind of control");
        }
        plan.actions.clear();
        for (int field = 0; field < IpAddressControl::kFieldCount; ++field) {
            const std::string& digits = address.fields[static_cast<std::size_t>(field)];
            if (ip->Field(field) != FieldValue(digits)) {
                plan.actions.push_back(On(ActionKind::SetIpField, address.control, field, digits));
            }
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
            if (ShownTabText(tab, index) == label) {
                return index;
            }
        }
        return -1;
    }

    static std::string Labels(const TabControl& tab) {
        std::string labels;
        for (int index = 0; index < tab.GetItemCount(); ++index) {
            labels += (index == 0 ? "" : " ") + Quoted(ShownTabText(tab, index));
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
           std::holds_alternative<command::PressEnter>(body) || std::holds_alternative<command::PressEscape>(body) ||
           std::holds_alternative<command::PageKey>(body);
}

ActionPlan PlanWindowAction(const CommandBody& body, Dialog& window) {
    return std::visit(Planner(window), body);
}

}  // namespace lanvane::scenario
