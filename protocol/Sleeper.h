#pragma once

#include <chrono>
#include <functional>

namespace lanvane {

// Waits the given time. The exchanges pause through it so that a window can keep painting
// while it waits and tests need not wait at all.
using Sleeper = std::function<void(std::chrono::milliseconds)>;

}  // namespace lanvane
