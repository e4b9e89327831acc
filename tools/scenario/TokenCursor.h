#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/scenario/ControlRef.h"
#include "tools/scenario/ScenarioTokens.h"

namespace lanvane::scenario {

// Walks the words of one scenario line. The Take functions return nothing and record an
// error that names `what` when the next word is missing or of the wrong form; the first
// error recorded is the one reported.
class TokenCursor {
public:
    explicit TokenCursor(const std::vector<Token>& tokens) : tokens_(tokens) {}

    bool AtEnd() const { return position_ >= tokens_.size(); }
    std::size_t Remaining() const { return tokens_.size() - position_; }
    const Token* Peek() const { return AtEnd() ? nullptr : &tokens_[position_]; }
    // The next word, unquoted, if it is exactly `word`; taken then.
    bool TakeIf(std::string_view word);

    // The next word as it stands, quoted or not.
    std::optional<std::string> TakeText(std::string_view what);
    std::optional<int> TakeInt(std::string_view what);
    std::optional<int> TakeCount(std::string_view what);  // 0 or more
    std::optional<ControlRef> TakeControl();
    std::optional<int> TakeDialog();  // an id or a name: 141, InterfaceConfig
    // The next word as a file path, relative to base unless absolute.
    std::optional<std::string> TakePath(const std::filesystem::path& base);
    // Records an error when words are left over.
    bool Finish();
    const Token& Take() { return tokens_[position_++]; }

    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    // Records the error unless an earlier one stands; returns nothing for convenience.
    std::nullopt_t Fail(std::string message);

private:
    const std::vector<Token>& tokens_;
    std::size_t position_ = 0;
    std::string error_;
};

// A whole word as a decimal integer (optional '-').
std::optional<int> ParseInt(std::string_view text);
// A whole word as a decimal id, or a name that `named` knows.
std::optional<int> ParseIdOrName(std::string_view text, std::optional<int> (*named)(std::string_view));

}  // namespace lanvane::scenario
