#include "LayoutRules.h"

#include <set>
#include <string_view>

namespace lanvane::test {
namespace {

std::string Describe(const ControlTemplate& control) {
    return "control " + std::to_string(control.id) + " \"" + std::string(control.text) + "\"";
}

bool HasStyle(const ControlTemplate& control, std::uint32_t flag) {
    return (control.styles & flag) != 0;
}

bool Intersect(const DialogRect& a, const DialogRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Contains(const DialogRect& outer, const DialogRect& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool SameRect(const DialogRect& a, const DialogRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool HoldsOthers(const ControlTemplate& control) {
    return control.kind == ControlKind::GroupBox || control.kind == ControlKind::TabControl;
}

bool MayOverlap(const ControlTemplate& a, const ControlTemplate& b) {
    if (HoldsOthers(a) && Contains(a.rect, b.rect)) return true;
    if (HoldsOthers(b) && Contains(b.rect, a.rect)) return true;
    return SameRect(a.rect, b.rect) && HasStyle(a, style::kHidden) != HasStyle(b, style::kHidden);
}

}  // namespace

std::vector<std::string> DuplicateControlIds(const DialogTemplate& dialog) {
    std::vector<std::string> problems;
    std::set<int> seen;
    for (const auto& control : dialog.controls) {
        if (control.id != -1 && !seen.insert(control.id).second) {
            problems.push_back(Describe(control) + " repeats its id");
        }
    }
    return problems;
}

std::vector<std::string> OverlappingControls(const DialogTemplate& dialog) {
    std::vector<std::string> problems;
    const auto& controls = dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (Intersect(controls[i].rect, controls[j].rect) &&
                !MayOverlap(controls[i], controls[j])) {
                problems.push_back(Describe(controls[i]) + " overlaps " + Describe(controls[j]));
            }
        }
    }
    return problems;
}

std::vector<std::string> UnmarkedRadioGroups(const DialogTemplate& dialog) {
    std::vector<std::string> problems;
    const auto& controls = dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const bool isRadio = controls[i].kind == ControlKind::RadioButton;
        const bool afterRadio = i > 0 && controls[i - 1].kind == ControlKind::RadioButton;
        const bool startsGroup = HasStyle(controls[i], style::kGroup);
        if (isRadio && !afterRadio && !startsGroup) {
            problems.push_back(Describe(controls[i]) + " does not start its radio group");
        }
        if (!isRadio && afterRadio && !startsGroup) {
            problems.push_back(Describe(controls[i]) + " does not end the radio group before it");
        }
    }
    return problems;
}

}  // namespace lanvane::test
