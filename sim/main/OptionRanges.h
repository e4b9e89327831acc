#pragma once

#include <CLI/CLI.hpp>

namespace lanvane::sim {

// The ranges the simulator's numbers are checked against, with bounds a message can name
// (an open range would print the largest double in full).
inline const CLI::Range kPortRange(0, 65535);
inline const CLI::Range kMillisecondsRange(0, 3600000);
inline const CLI::Range kCountRange(0, 1000000);

}  // namespace lanvane::sim
