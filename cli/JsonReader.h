#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace lanvane::cli {

// Settings and saved configurations nest two levels; far deeper nesting is an attack on
// the parser and on every recursive walk over the document, not a configuration.
inline constexpr std::size_t kMaxJsonDepth = 64;

// How deep arrays and objects nest in a JSON text, counted without parsing it (brackets
// inside strings do not count); the count stops once it passes `limit`.
std::size_t JsonNestingDepth(std::string_view text, std::size_t limit = kMaxJsonDepth);

// Where and why the parser gave up on `text`: "line 3, column 14: syntax error while
// parsing object ...".
std::string ParseFailureText(std::string_view text, const nlohmann::detail::parse_error& error);

// Why the parser refused a value it had read whole: "number overflow parsing '1e999'".
std::string ValueFailureText(const nlohmann::detail::exception& error);

// Where a NUL byte first stands in `text` ("line 2, column 5: a NUL byte"), or nothing.
// JSON has no place for one, and the parser would take it for the end of the text and
// quietly drop whatever follows.
std::optional<std::string> NulByteText(std::string_view text);

// A JSON document read from an input, or why it was refused: nested deeper than
// kMaxJsonDepth, or no valid JSON (with the line and column where it breaks off, where
// the parser knows it). `name`
// names the input in the refusal.
template <typename Json>
struct JsonReading {
    Json document;
    std::optional<std::string> refusal;
};

template <typename Json>
JsonReading<Json> ReadJsonDocument(std::string_view text, const std::string& name) {
    if (JsonNestingDepth(text) > kMaxJsonDepth) {
        return {Json(), name + " nests arrays and objects deeper than " + std::to_string(kMaxJsonDepth) + " levels"};
    }
    const std::string invalid = name + " is not a valid JSON document: ";
    if (const auto nul = NulByteText(text)) {
        return {Json(), invalid + *nul};
    }
    try {
        return {Json::parse(text), std::nullopt};
    } catch (const nlohmann::detail::parse_error& error) {
        return {Json(), invalid + ParseFailureText(text, error)};
    } catch (const nlohmann::detail::exception& error) {
        // A number too large for any type ("1e999") is found after the syntax is.
        return {Json(), invalid + ValueFailureText(error)};
    }
}

}  // namespace lanvane::cli
