#pragma once

#include <functional>

namespace lanvane {

// Told each new progress position (0 to 100) of a long exchange; the view repaints in it.
using ProgressCallback = std::function<void(int position)>;

// Tells the callback, if there is one.
inline void ReportProgress(const ProgressCallback& progress, int position) {
    if (progress) {
        progress(position);
    }
}

}  // namespace lanvane
