#include "tools/scenario/TokenCursor.h"

#include <charconv>

namespace lanvane::scenario {

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::nullopt_t TokenCursor::Fail(std::string message) {
    if (error_.empty()) {
        error_ = std::move(message);
    }
    return std::nullopt;
}

bool TokenCursor::TakeIf(std::string_view word) {
    const Token* next = Peek();
    if (next == nullptr || next->quoted || next->text != word) {
        return false;
    }
    ++position_;
    return true;
}

std::optional<std::string> TokenCursor::TakeText(std::string_view what) {
    if (AtEnd()) {
        return Fail("missing " + std::string(what));
    }
    return Take().text;
}

std::optional<int> TokenCursor::TakeInt(std::string_view what) {
    if (AtEnd()) {
        return Fail("missing " + std::string(what));
    }
    const Token& token = Take();
    const auto value = token.quoted ? std::nullopt : ParseInt(token.text);
    if (!value) {
        return Fail(std::string(what) + " must be a whole number, not \"" + token.text + "\"");
    }
    return value;
}

std::optional<int> TokenCursor::TakeCount(std::string_view what) {
    const auto value = TakeInt(what);
    if (value && *value < 0) {
        return Fail(std::string(what) + " must not be negative");
    }
    return value;
}

std::optional<ControlRef> TokenCursor::TakeControl() {
    if (AtEnd()) {
        return Fail("missing control id");
    }
    const Token& token = Take();
    const std::string_view text = token.text;
    const auto at = text.find('@');
    const auto control = ParseInt(text.substr(0, at));
    const auto page = at == std::string_view::npos ? std::optional<int>(0) : ParseInt(text.substr(at + 1));
    if (token.quoted || !control || !page || *control < 0 || *page < 0) {
        return Fail("\"" + token.text + "\" is not a control id (write 1016, or 1041@149 for control 1041 of page 149)");
    }
    return ControlRef{*control, *page};
}

std::optional<std::string> TokenCursor::TakePath(const std::filesystem::path& base) {
    const auto word = TakeText("file path");
    if (!word) {
        return std::nullopt;
    }
    const std::filesystem::path path(*word);
    return path.is_absolute() ? path.string() : (base / path).string();
}

bool TokenCursor::Finish() {
    if (!AtEnd()) {
        Fail("unexpected \"" + Peek()->text + "\" at the end of the line");
    }
    return !Failed();
}

}  // namespace lanvane::scenario
