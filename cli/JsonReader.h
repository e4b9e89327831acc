#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lanvane::cli {

// Settings and saved configurations nest two levels; far deeper nesting is an attack on
// the parser and on every recursive walk over the document, not a configuration.
inline constexpr std::size_t kMaxJsonDepth = 64;

// How deep arrays and objects nest in a JSON text, counted without parsing it (brackets
// inside strings do not count); the count stops once it passes `limit`.
std::size_t JsonNestingDepth(std::string_view text, std::size_t limit = kMaxJsonDepth);

// A JSON document read from an input, or why it was refused: nested deeper than
// kMaxJsonDepth, or no valid JSON. `name` names the input in the refusal.
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
    Json document = Json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        return {Json(), name + " is not a valid JSON document"};
    }
    return {std::move(document), std::nullopt};
}

}  // namespace lanvane::cli
