#pragma once

#include <string_view>

namespace lanvane {

// Orders device names the way people count: digit runs compare as numbers, so
// "ttyS2" comes before "ttyS10" and "lp9" before "lp10".
bool NaturalLess(std::string_view left, std::string_view right);

}  // namespace lanvane
