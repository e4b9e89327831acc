#include "cli/JsonInput.h"

#include <algorithm>
#include <string_view>

namespace lanvane::cli {
namespace {

// "line 3, column 14" of the byte the parser stopped at (counted from 1).
std::string PositionText(const std::string& text, std::size_t byte) {
    const std::string_view before(text.data(), std::min(byte == 0 ? 0 : byte - 1, text.size()));
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

std::string ParseFailureText(const std::string& text, const nlohmann::detail::parse_error& error) {
    return PositionText(text, error.byte) + ": " + Reason(error.what());
}

}  // namespace lanvane::cli
