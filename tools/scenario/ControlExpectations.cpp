#include "tools/scenario/ControlExpectations.h"

#include <string>
#include <vector>

#include "tools/scenario/ShownTexts.h"
#include "tools/scenario/WindowControls.h"
#include "ui/CheckableButton.h"
#include "ui/ComboBox.h"
#include "ui/ListView.h"
#include "ui/Notification.h"
#include "ui/ProgressBar.h"
#include "ui/TabControl.h"

namespace lanvane::scenario {
namespace {

using command::Property;

std::string QuotedList(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& text : texts) {
        list += (list.empty() ? "" : " ") + Quoted(text);
    }
    return list.empty() ? "none" : list;
}

std::optional<Mismatch> Compare(const std::string& expected, const std::string& found) {
    return expected == found ? std::nullopt : std::optional<Mismatch>(Mismatch{expected, found});
}

std::optional<Mismatch> State(bool wanted, bool actual, const char* yes, const char* no) {
    return Compare(wanted ? yes : no, actual ? yes : no);
}

std::optional<int> SelectionOf(const Control& control) {
    if (const auto* combo = dynamic_cast<const ComboBox*>(&control)) {
        return combo->GetCurSel();
    }
    if (const auto* tab = dynamic_cast<const TabControl*>(&control)) {
        return tab->GetCurSel();
    }
    if (const auto* list = dynamic_cast<const ListView*>(&control)) {
        return list->GetNextItem(-1, item_state::kSelected);
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> ItemsOf(const Control& control) {
    std::vector<std::string> items;
    if (const auto* combo = dynamic_cast<const ComboBox*>(&control)) {
        for (int index = 0; index < combo->GetCount(); ++index) {
            items.push_back(combo->GetItemText(index));
        }
        return items;
    }
    if (const auto* tab = dynamic_cast<const TabControl*>(&control)) {
        for (int index = 0; index < tab->GetItemCount(); ++index) {
            items.push_back(ShownTabText(*tab, index));
        }
        return items;
    }
    return std::nullopt;
}

std::optional<Mismatch> CheckRow(const ListView& list, int row, const std::vector<std::string>& cells) {
    const std::string wanted = "row " + std::to_string(row) + " " + QuotedList(cells);
    if (row < 0 || row >= list.GetItemCount()) {
        return Mismatch{wanted, std::to_string(list.GetItemCount()) + " rows"};
    }
    std::vector<std::string> found;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        found.push_back(list.GetItemText(row, static_cast<int>(column)));
    }
    return Compare(wanted, "row " + std::to_string(row) + " " + QuotedList(found));
}

std::string FocusedName(const Dialog& window) {
    const Control* focus = window.GetFocus();
    return focus == nullptr ? "the focus nowhere" : "the focus on " + std::to_string(focus->Id());
}

class ControlChecker {
public:
    ControlChecker(Dialog& window, const FoundControl& found) : window_(window), found_(found) {}

    std::optional<Mismatch> Check(const command::ExpectControl& expected) const {
        const Control& control = *found_.control;
        switch (expected.property) {
        case Property::Text:
            return Compare(Quoted(expected.text), Quoted(ShownTextOf(control)));
        case Property::Enabled:
        case Property::Disabled:
            return State(expected.property == Property::Enabled, control.IsEnabled(), "enabled", "disabled");
        case Property::Visible:
        case Property::Hidden:
            return State(expected.property == Property::Visible, IsShownToUser(found_), "visible", "hidden");
        case Property::Checked:
        case Property::Unchecked:
            return CheckMark(expected.property == Property::Checked);
        case Property::Focus:
            return Compare("the focus on " + std::to_string(control.Id()), FocusedName(window_));
        case Property::Selection:
            return CheckSelection(expected.number);
        case Property::Items:
            return CheckItems(expected.texts);
        case Property::Rows:
        case Property::Row:
            return CheckList(expected);
        case Property::Progress:
            return CheckProgress(expected.number);
        }
        return std::nullopt;
    }

private:
    std::optional<Mismatch> CheckMark(bool wanted) const {
        const auto* button = dynamic_cast<const CheckableButton*>(found_.control);
        if (button == nullptr) {
            return Mismatch{"a check box or radio button", "another kind of control"};
        }
        return State(wanted, button->IsChecked(), "checked", "unchecked");
    }

    std::optional<Mismatch> CheckSelection(int wanted) const {
        const auto selection = SelectionOf(*found_.control);
        if (!selection) {
            return Mismatch{"a drop-down list, tab control or list", "another kind of control"};
        }
        return Compare("selection " + std::to_string(wanted), "selection " + std::to_string(*selection));
    }

    std::optional<Mismatch> CheckItems(const std::vector<std::string>& wanted) const {
        const auto items = ItemsOf(*found_.control);
        if (!items) {
            return Mismatch{"a drop-down list or tab control", "another kind of control"};
        }
        return Compare(QuotedList(wanted), QuotedList(*items));
    }

    std::optional<Mismatch> CheckList(const command::ExpectControl& expected) const {
        const auto* list = dynamic_cast<const ListView*>(found_.control);
        if (list == nullptr) {
            return Mismatch{"a list", "another kind of control"};
        }
        if (expected.property == Property::Rows) {
            return Compare(std::to_string(expected.number) + " rows", std::to_string(list->GetItemCount()) + " rows");
        }
        return CheckRow(*list, expected.number, expected.texts);
    }

    std::optional<Mismatch> CheckProgress(int wanted) const {
        const auto* bar = dynamic_cast<const ProgressBar*>(found_.control);
        if (bar == nullptr) {
            return Mismatch{"a progress bar", "another kind of control"};
        }
        return Compare("position " + std::to_string(wanted), "position " + std::to_string(bar->GetPos()));
    }

    Dialog& window_;
    const FoundControl& found_;
};

}  // namespace

std::optional<Mismatch> CheckControl(Dialog& window, const command::ExpectControl& expected) {
    const FoundControl found = FindWindowControl(window, expected.control, true);
    if (!found) {
        return Mismatch{"control " + expected.control.Describe() + " in window " + std::to_string(window.Template().id),
                        "no such control"};
    }
    return ControlChecker(window, found).Check(expected);
}

}  // namespace lanvane::scenario
