#pragma once

#include <functional>

namespace lanvane {

// Told each new progress position (0 to 100) of a long exchange; the view repaints in it.
using ProgressCallback = std::function<void(int position)>;

}  // namespace lanvane
