#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace lanvane::cli {

// Where and why the parser gave up on `text`: "line 3, column 14: syntax error while
// parsing object ...".
std::string ParseFailureText(const std::string& text, const nlohmann::detail::parse_error& error);

// Parses the JSON document of an input file into `document`; when it is none, says where
// it breaks off and why.
template <typename Json>
std::optional<std::string> ParseJsonInput(const std::string& text, Json& document) {
    try {
        document = Json::parse(text);
    } catch (const nlohmann::detail::parse_error& error) {
        return ParseFailureText(text, error);
    }
    return std::nullopt;
}

}  // namespace lanvane::cli
