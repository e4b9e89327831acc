#pragma once

#include "resources/DialogTemplate.h"

namespace lanvane {

// Where a tab control shows its pages, in the dialog units of its dialog: the frame takes
// two units at the sides and the bottom, the one row of tabs (8 pt labels, scrolled when
// they do not fit) fourteen at the top. Page templates are sized to fit this area.
constexpr int kTabFrameInset = 2;
constexpr int kTabRowHeight = 14;

constexpr DialogRect TabDisplayArea(const DialogRect& tabControl) {
    return {tabControl.x + kTabFrameInset, tabControl.y + kTabRowHeight,
            tabControl.width - 2 * kTabFrameInset,
            tabControl.height - kTabRowHeight - kTabFrameInset};
}

}  // namespace lanvane
