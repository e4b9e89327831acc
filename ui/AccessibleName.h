#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "resources/DialogTemplate.h"

namespace lanvane {

// What a screen reader announces for the controls of a template, worked out once for every
// backend. Control indexes are template positions, as in Dialog::Controls().

// The text as the control shows it (no access-key mark: "&Save" is "Save", "検索(&S)" is
// "検索(S)", "&&" one ampersand), without a label's trailing colon.
std::string SpokenText(std::string_view text);

// Buttons, boxes and texts are read by their own text, which the backends' widgets name
// themselves by (without the access-key mark).
bool NamedByOwnText(ControlKind kind);

// The static text that labels the control at index: the nearest text before it in the
// template, unless another control that takes the focus, or a group box, stands between.
// The system's own accessibility names a control the same way (the label before it in
// z-order), and a keyboard access key on that label moves the focus to the control.
std::optional<std::size_t> LabelIndex(const DialogTemplate& source, std::size_t index);

// The control's own text for buttons and boxes; else its label; else the window's title (a
// page's title is its tab's label): the lists, bars and the tab strip have no label.
std::string AccessibleName(const DialogTemplate& source, std::size_t index, std::string_view windowTitle);

// "1st part of IP Address": one of the four fields of an IP address control.
std::string IpFieldName(int field, std::string_view controlName);

}  // namespace lanvane
