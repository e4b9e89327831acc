#pragma once

#include <ostream>

namespace lanvane::cli {

// Shows the progress of a long exchange: on a terminal one bar that redraws itself, else
// one plain line per new position.
class ProgressDisplay {
public:
    ProgressDisplay(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

    // `position` is 0 to 100; a position already shown is not shown again.
    void Show(int position);
    // Ends the bar's line, so that the next message starts on its own.
    void Finish();

private:
    std::ostream& out_;
    bool terminal_;
    int shown_ = -1;
};

}  // namespace lanvane::cli
