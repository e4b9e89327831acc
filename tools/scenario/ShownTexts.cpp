#include "tools/scenario/ShownTexts.h"

#include "resources/AccessKey.h"

namespace lanvane::scenario {
namespace {

bool ShowsAccessKey(const Control& control) {
    switch (control.Kind()) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
        return true;
    case ControlKind::StaticText:
        return !control.HasStyle(style::kNoPrefix);
    default:
        return false;
    }
}

}  // namespace

std::string ShownTextOf(const Control& control) {
    return ShowsAccessKey(control) ? ShownText(control.Text()) : control.Text();
}

std::string ShownTabText(const TabControl& tabs, int index) {
    return ShownText(tabs.GetItemText(index));
}

}  // namespace lanvane::scenario
