#pragma once

#include <cstdint>

namespace lanvane {

// Command notifications a control sends to its dialog's OnCommand.
enum class Notification : std::uint8_t {
    Clicked,             // button, radio button, check box
    TextChanged,         // edit or combo edit field: the user changed the text
    FocusGained,         // edit or combo
    FocusLost,           // edit or combo
    SelectionChanged,    // drop-down list or combo: the user picked an entry
    SelectionConfirmed,  // drop-down list or combo: the pick was confirmed (follows SelectionChanged)
};

// States of a list view row, as bit flags.
namespace item_state {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kFocused = 1u << 0;
constexpr std::uint32_t kSelected = 1u << 1;
}  // namespace item_state

enum class NotifyCode : std::uint8_t {
    ListItemChanged,  // a row's state changed; item, oldState, newState say how
    TabSelChanging,   // the user is about to leave the selected tab; OnNotify true refuses
    TabSelChange,     // the user's new tab is selected
    IpFieldChanged,   // the user changed one field of an IP address control
};

// Richer notifications, sent to the dialog's OnNotify.
struct NotifyMessage {
    NotifyCode code;
    int item = -1;                          // list row, or IP address field 0..3
    std::uint32_t oldState = item_state::kNone;
    std::uint32_t newState = item_state::kNone;
    int value = -1;                         // IP address field value, -1 when blank
};

}  // namespace lanvane
