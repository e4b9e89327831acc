#include "LayoutRules.h"

#include <algorithm>
#include <cmath>
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

int Right(const DialogRect& r) {
    return r.x + r.width;
}
int Bottom(const DialogRect& r) {
    return r.y + r.height;
}

bool Intersect(const DialogRect& a, const DialogRect& b) {
    return a.x < Right(b) && b.x < Right(a) && a.y < Bottom(b) && b.y < Bottom(a);
}

bool Contains(const DialogRect& outer, const DialogRect& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && Right(inner) <= Right(outer) &&
           Bottom(inner) <= Bottom(outer);
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

// Room that a kind of control needs beside its text: the button frame, the box or circle
// of a choice, the gap in a group box frame.
double TextPadding(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            return 6;
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            return 12;
        case ControlKind::GroupBox:
            return 10;
        default:
            return 0;
    }
}

bool ShowsItsText(ControlKind kind) {
    return TextPadding(kind) > 0 || kind == ControlKind::StaticText;
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

std::vector<std::string> ControlsOutsideDialog(const DialogTemplate& dialog) {
    const DialogRect frame{0, 0, dialog.width, dialog.height};
    std::vector<std::string> problems;
    for (const auto& control : dialog.controls) {
        if (control.rect.width <= 0 || control.rect.height <= 0 || !Contains(frame, control.rect)) {
            problems.push_back(Describe(control) + " is not inside the dialog");
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

std::vector<std::string> TextsThatDoNotFit(const DialogTemplate& dialog) {
    const double scale = dialog.fontPointSize / 8.0;
    const double charWidth = 4.0 * scale;
    const double lineHeight = 8.0 * scale;
    std::vector<std::string> problems;
    for (const auto& control : dialog.controls) {
        if (!ShowsItsText(control.kind) || control.text.empty()) continue;
        const double lines = HasStyle(control, style::kMultiLine)
                                 ? std::max(1.0, std::floor(control.rect.height / lineHeight))
                                 : 1.0;
        const double room = (control.rect.width - TextPadding(control.kind)) * lines;
        const double needed = static_cast<double>(control.text.size()) * charWidth;
        if (needed > room) {
            problems.push_back(Describe(control) + " is too narrow for its text");
        }
        if (control.kind == ControlKind::StaticText && control.rect.height < lineHeight) {
            problems.push_back(Describe(control) + " is lower than one line of text");
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

std::vector<std::vector<int>> RadioGroups(const DialogTemplate& dialog) {
    std::vector<std::vector<int>> groups;
    bool inGroup = false;
    for (const auto& control : dialog.controls) {
        if (control.kind != ControlKind::RadioButton) {
            inGroup = false;
            continue;
        }
        if (!inGroup || HasStyle(control, style::kGroup)) groups.emplace_back();
        groups.back().push_back(control.id);
        inGroup = true;
    }
    return groups;
}

}  // namespace lanvane::test
