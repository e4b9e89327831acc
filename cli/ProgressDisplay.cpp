#include "cli/ProgressDisplay.h"

#include <algorithm>
#include <string>

namespace lanvane::cli {
namespace {

constexpr int kBarWidth = 40;

std::string Bar(int position) {
    const int filled = position * kBarWidth / 100;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "]";
}

}  // namespace

void ProgressDisplay::Show(int position) {
    position = std::clamp(position, 0, 100);
    if (position == shown_) {
        return;
    }
    shown_ = position;
    if (terminal_) {
        out_ << '\r' << Bar(position) << ' ' << position << '%' << std::flush;
    } else {
        out_ << position << "%\n";
    }
}

void ProgressDisplay::Finish() {
    if (terminal_ && shown_ >= 0) {
        out_ << '\n';
    }
}

}  // namespace lanvane::cli
