#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lanvane {

enum class ControlKind : std::uint8_t {
    PushButton,
    DefaultPushButton,
    RadioButton,
    CheckBox,
    Edit,
    StaticText,  // a label or a value shown as text
    GroupBox,
    DropDownList,
    DropDownCombo,
    ListView,    // report mode
    ProgressBar,
    TabControl,
    IpAddress,
    Icon,
};

// Style flags of a control; the kind decides which ones mean something.
namespace style {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kGroup = 1u << 0;      // first control of a radio group / tab group
constexpr std::uint32_t kTabStop = 1u << 1;
constexpr std::uint32_t kDisabled = 1u << 2;
constexpr std::uint32_t kHidden = 1u << 3;
constexpr std::uint32_t kPassword = 1u << 4;   // edit: masked
constexpr std::uint32_t kNumber = 1u << 5;     // edit: digits only
constexpr std::uint32_t kReadOnly = 1u << 6;   // edit
constexpr std::uint32_t kMultiLine = 1u << 7;  // edit, static text, push button
constexpr std::uint32_t kCenter = 1u << 8;     // static text
constexpr std::uint32_t kRight = 1u << 9;      // static text, edit
constexpr std::uint32_t kAutoHScroll = 1u << 10;
constexpr std::uint32_t kBorder = 1u << 11;
constexpr std::uint32_t kSingleSelection = 1u << 12;  // list view
constexpr std::uint32_t kShowSelectionAlways = 1u << 13;
constexpr std::uint32_t kNoPrefix = 1u << 14;  // static text: a value, "&" shown as it is
}  // namespace style

// Rectangle in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id;              // -1 for controls that are never addressed (labels, group boxes)
    ControlKind kind;
    std::string_view text;
    std::uint32_t styles;
    DialogRect rect;
    int textLimit = 0;   // edit: maximum characters, 0 = no limit
};

struct DialogTemplate {
    int id;
    std::string_view title;
    std::string_view fontName;
    int fontPointSize;
    int width;   // dialog units
    int height;
    std::span<const ControlTemplate> controls;
    bool child = false;  // a page laid over a tab control, no frame of its own
};

}  // namespace lanvane
