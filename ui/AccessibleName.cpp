#include "ui/AccessibleName.h"

#include <array>

namespace lanvane {

namespace {

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::StaticText && kind != ControlKind::GroupBox && kind != ControlKind::ProgressBar &&
           kind != ControlKind::Icon;
}

std::string_view TrimTrailing(std::string_view text) {
    constexpr std::string_view kFullWidthColon = "\xEF\xBC\x9A";
    for (;;) {
        if (!text.empty() && (text.back() == ' ' || text.back() == ':')) {
            text.remove_suffix(1);
        } else if (text.ends_with(kFullWidthColon)) {
            text.remove_suffix(kFullWidthColon.size());
        } else {
            return text;
        }
    }
}

}  // namespace

bool NamedByOwnText(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
        return true;
    default:
        return false;
    }
}

std::string WithoutAccessKey(std::string_view text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        // The CJK form: the key in parentheses after the text, which goes as a whole.
        if (text[at] == '(' && at + 3 < text.size() && text[at + 1] == '&' && text[at + 3] == ')') {
            at += 3;
            continue;
        }
        // A mark before a blank marks nothing: "System & Information" keeps its ampersand.
        if (text[at] == '&' && at + 1 < text.size() && text[at + 1] != ' ') {
            ++at;
        }
        plain += text[at];
    }
    return std::string(TrimTrailing(plain));
}

std::optional<std::size_t> LabelIndex(const DialogTemplate& source, std::size_t index) {
    for (std::size_t at = index; at-- > 0;) {
        const ControlTemplate& before = source.controls[at];
        if (before.kind == ControlKind::StaticText && !before.text.empty()) {
            return at;
        }
        if (before.kind == ControlKind::GroupBox || TakesFocus(before.kind)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string AccessibleName(const DialogTemplate& source, std::size_t index, std::string_view windowTitle) {
    const ControlTemplate& control = source.controls[index];
    if (NamedByOwnText(control.kind)) {
        return WithoutAccessKey(control.text);
    }
    if (const auto label = LabelIndex(source, index)) {
        return WithoutAccessKey(source.controls[*label].text);
    }
    return WithoutAccessKey(windowTitle);
}

std::string IpFieldName(int field, std::string_view controlName) {
    static constexpr std::array<std::string_view, 4> kOrdinals = {"1st", "2nd", "3rd", "4th"};
    return std::string(kOrdinals.at(static_cast<std::size_t>(field))) + " part of " + std::string(controlName);
}

}  // namespace lanvane
