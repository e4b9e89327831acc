#pragma once

#include <cstdio>
#include <cstdlib>

namespace lanvane::fuzz {

// Stops the run with the broken property named, so that libFuzzer keeps the input.
inline void Check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", property);
        std::abort();
    }
}

}  // namespace lanvane::fuzz
