#pragma once

#include <cstdint>
#include <vector>

namespace lanvane::sim {

using Bytes = std::vector<std::uint8_t>;

}  // namespace lanvane::sim
