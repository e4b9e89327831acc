#include "tools/scenario/TokenCursor.h"

#include <charconv>

#include "tools/scenario/ResourceNames.h"

namespace lanvane::scenario {

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseIdOrName(std::string_view text, std::optional<int> (*named)(std::string_view)) {
    const auto number = ParseInt(text);
    return number ? number : named(text);
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
    const auto control = ParseIdOrName(text.substr(0, at), ControlIdNamed);
    const auto page =
        at == std::string_view::npos ? std::optional<int>(0) : ParseIdOrName(text.substr(at + 1), DialogIdNamed);
    if (token.quoted || !control || !page || *control < 0 || *page < 0) {
        return Fail("\"" + token.text +
                    "\" is not a control (write ConnectButton or 1016, PskKey@AuthPage or 1041@149 for a page's)");
    }
    return ControlRef{*control, *page};
}

std::optional<int> TokenCursor::TakeDialog() {
    if (AtEnd()) {
        return Fail("missing dialog id");
    }
    const Token& token = Take();
    const auto id = token.quoted ? std::nullopt : ParseIdOrName(token.text, DialogIdNamed);
    if (!id) {
        return Fail("\"" + token.text + "\" is not a dialog (write InterfaceConfig or 141)");
    }
    return id;
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
