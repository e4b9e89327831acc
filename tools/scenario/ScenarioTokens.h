#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lanvane::scenario {

// One word of a scenario line. Quoted parts keep their spaces and resolve the escapes \n,
// \t, \" and \\. A bare '=' before any quote splits a word into key and value
// (maker="Vantrole Systemtechnik AG").
struct Token {
    std::string text;  // the whole word, unquoted
    bool quoted = false;
    std::optional<std::string> key;
    std::string value;
};

struct TokenizedLine {
    std::vector<Token> tokens;
    std::string source;  // the line without its comment and outer spaces
    std::string error;   // empty when the line reads well
};

// Splits a line into words; '#' outside quotes starts a comment.
TokenizedLine TokenizeLine(std::string_view line);

}  // namespace lanvane::scenario
