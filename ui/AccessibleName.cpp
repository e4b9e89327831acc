#include "ui/AccessibleName.h"

#include <array>

#include "resources/AccessKey.h"

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

std::string SpokenText(std::string_view text) {
    return std::string(TrimTrailing(ShownText(text)));
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
        return SpokenText(control.text);
    }
    if (const auto label = LabelIndex(source, index)) {
        return SpokenText(source.controls[*label].text);
    }
    return SpokenText(windowTitle);
}

std::string IpFieldName(int field, std::string_view controlName) {
    static constexpr std::array<std::string_view, 4> kOrdinals = {"1st", "2nd", "3rd", "4th"};
    return std::string(kOrdinals.at(static_cast<std::size_t>(field))) + " part of " + std::string(controlName);
}

}  // namespace lanvane
