#pragma once

#include <cstdint>

namespace lanvane {

// What changed in a control's model; a backend mirrors it onto its widget.
enum class ModelChange : std::uint8_t {
    Text,
    Enabled,
    Visible,
    Checked,
    Items,      // combo entries or tab items
    Selection,  // combo selection or current tab
    Columns,
    Rows,       // list rows inserted or deleted
    Cell,       // one list cell; index names the row
    ItemState,  // one list row's state; index names the row
    ItemData,
    ListFlags,  // grid lines, full-row selection
    Range,
    Position,
    Field,      // one IP address field; index names the field
    Limit,      // edit text limit
};

// What changed in a dialog itself.
enum class DialogChange : std::uint8_t {
    Title,
    Visible,
    Enabled,
    Placement,
    Focus,
};

}  // namespace lanvane
