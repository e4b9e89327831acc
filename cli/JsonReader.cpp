#include "cli/JsonReader.h"

#include <algorithm>

namespace lanvane::cli {

std::size_t JsonNestingDepth(std::string_view text, std::size_t limit) {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t position = 0; position < text.size() && deepest <= limit; ++position) {
        const char character = text[position];
        if (inString) {
            if (character == '\\') {
                ++position;
            } else if (character == '"') {
                inString = false;
            }
            continue;
        }
        if (character == '"') {
            inString = true;
        } else if (character == '[' || character == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((character == ']' || character == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

}  // namespace lanvane::cli
