#include "cli/JsonReader.h"

#include <algorithm>

namespace lanvane::cli {
namespace {

// "line 3, column 14" of the byte the parser stopped at (counted from 1).
std::string PositionText(std::string_view text, std::size_t byte) {
    const std::string_view before = text.substr(0, byte == 0 ? 0 : byte - 1);
    const auto line = 1 + std::count(before.begin(), before.end(), '\n');
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column = lineStart == std::string_view::npos ? before.size() + 1 : before.size() - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's reason without its own prefix and position.
std::string Reason(const std::string& what) {
    const std::size_t column = what.find("column ");
    const std::size_t colon = what.find(": ", column == std::string::npos ? 0 : column);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

}  // namespace

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

std::string ParseFailureText(std::string_view text, const nlohmann::detail::parse_error& error) {
    return PositionText(text, error.byte) + ": " + Reason(error.what());
}

std::string ValueFailureText(const nlohmann::detail::exception& error) {
    const std::string what = error.what();
    const std::size_t tagEnd = what.find("] ");
    return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
}

std::optional<std::string> NulByteText(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) {
        return std::nullopt;
    }
    return PositionText(text, nul + 1) + ": a NUL byte";
}

}  // namespace lanvane::cli
