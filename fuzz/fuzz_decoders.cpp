#include <cstdlib>

#include "fuzz/DecodeAllFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!lanvane::DecodeAllFuzzInput(data, size)) {
        std::abort();
    }
    return 0;
}
