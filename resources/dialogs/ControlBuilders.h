#pragma once

#include <cstdint>
#include <string_view>

#include "resources/DialogTemplate.h"
#include "resources/ResourceIds.h"

// Shorthands that give each kind of control the styles it always carries, so that the
// templates only spell out what is particular to one control.
namespace lanvane::dialogs {

constexpr ControlTemplate Label(std::string_view text, DialogRect rect,
                                std::uint32_t styles = style::kNone, int id = ctl::kUnaddressed) {
    return {id, ControlKind::StaticText, text, styles, rect};
}

// A static text that shows a value filled in at run time: an ampersand in it is no access key.
constexpr ControlTemplate ValueText(int id, DialogRect rect, std::uint32_t styles = style::kNone) {
    return {id, ControlKind::StaticText, "", styles | style::kNoPrefix, rect};
}

constexpr ControlTemplate GroupBox(std::string_view text, DialogRect rect,
                                   std::uint32_t styles = style::kNone,
                                   int id = ctl::kUnaddressed) {
    return {id, ControlKind::GroupBox, text, styles, rect};
}

constexpr ControlTemplate Button(int id, std::string_view text, DialogRect rect,
                                 std::uint32_t styles = style::kNone) {
    return {id, ControlKind::PushButton, text, styles | style::kTabStop, rect};
}

constexpr ControlTemplate DefaultButton(int id, std::string_view text, DialogRect rect,
                                        std::uint32_t styles = style::kNone) {
    return {id, ControlKind::DefaultPushButton, text, styles | style::kTabStop, rect};
}

// The first radio button of a group: starts the group and takes the tab stop for it.
constexpr ControlTemplate FirstRadio(int id, std::string_view text, DialogRect rect,
                                     std::uint32_t styles = style::kNone) {
    return {id, ControlKind::RadioButton, text, styles | style::kGroup | style::kTabStop, rect};
}

constexpr ControlTemplate Radio(int id, std::string_view text, DialogRect rect,
                                std::uint32_t styles = style::kNone) {
    return {id, ControlKind::RadioButton, text, styles, rect};
}

constexpr ControlTemplate CheckBox(int id, std::string_view text, DialogRect rect,
                                   std::uint32_t styles = style::kNone) {
    return {id, ControlKind::CheckBox, text, styles | style::kTabStop, rect};
}

constexpr ControlTemplate Edit(int id, DialogRect rect, std::uint32_t styles = style::kNone,
                               int textLimit = 0) {
    const std::uint32_t framed = styles | style::kTabStop | style::kBorder | style::kAutoHScroll;
    return {id, ControlKind::Edit, "", framed, rect, textLimit};
}

// Rectangles of the list boxes give the closed height; the backend sizes the drop-down part.
constexpr ControlTemplate DropDownList(int id, DialogRect rect,
                                       std::uint32_t styles = style::kNone) {
    return {id, ControlKind::DropDownList, "", styles | style::kTabStop, rect};
}

constexpr ControlTemplate DropDownCombo(int id, DialogRect rect,
                                        std::uint32_t styles = style::kNone) {
    return {id, ControlKind::DropDownCombo, "", styles | style::kTabStop | style::kAutoHScroll,
            rect};
}

constexpr ControlTemplate IpAddress(int id, DialogRect rect, std::uint32_t styles = style::kNone) {
    return {id, ControlKind::IpAddress, "", styles | style::kTabStop, rect};
}

constexpr ControlTemplate ListView(int id, DialogRect rect, std::uint32_t styles = style::kNone) {
    return {id, ControlKind::ListView, "", styles | style::kTabStop | style::kBorder, rect};
}

constexpr ControlTemplate ProgressBar(int id, DialogRect rect,
                                      std::uint32_t styles = style::kNone) {
    return {id, ControlKind::ProgressBar, "", styles | style::kBorder, rect};
}

constexpr ControlTemplate TabControl(int id, DialogRect rect, std::uint32_t styles = style::kNone) {
    return {id, ControlKind::TabControl, "", styles | style::kTabStop, rect};
}

}  // namespace lanvane::dialogs
