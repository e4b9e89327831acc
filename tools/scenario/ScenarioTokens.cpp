#include "tools/scenario/ScenarioTokens.h"

#include <cctype>

namespace lanvane::scenario {
namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::optional<char> Escaped(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case '"':
        return '"';
    case '\\':
        return '\\';
    default:
        return std::nullopt;
    }
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

class LineReader {
public:
    explicit LineReader(std::string_view line) : line_(line) {}

    TokenizedLine Read() {
        TokenizedLine result;
        std::size_t end = line_.size();
        while (result.error.empty() && SkipSpaces()) {
            if (line_[position_] == '#') {
                end = position_;
                break;
            }
            result.tokens.push_back(ReadToken(result.error));
        }
        result.source = std::string(Trimmed(line_.substr(0, end)));
        return result;
    }

private:
    bool SkipSpaces() {
        while (position_ < line_.size() && IsSpace(line_[position_])) {
            ++position_;
        }
        return position_ < line_.size();
    }

    Token ReadToken(std::string& error) {
        Token token;
        std::string* into = &token.text;
        while (position_ < line_.size() && !IsSpace(line_[position_])) {
            const char c = line_[position_++];
            if (c == '"') {
                token.quoted = true;
                if (!ReadQuoted(token, into, error)) {
                    return token;
                }
            } else if (c == '=' && !token.key && !token.quoted) {
                token.key = token.text;
                token.text += c;
                into = &token.value;
            } else {
                Append(token, into, c);
            }
        }
        return token;
    }

    bool ReadQuoted(Token& token, std::string* into, std::string& error) {
        while (position_ < line_.size()) {
            const char c = line_[position_++];
            if (c == '"') {
                return true;
            }
            if (c != '\\') {
                Append(token, into, c);
                continue;
            }
            const auto escaped = position_ < line_.size() ? Escaped(line_[position_]) : std::nullopt;
            if (!escaped) {
                error = "unknown escape in quotes (use \\n, \\t, \\\" or \\\\)";
                return false;
            }
            ++position_;
            Append(token, into, *escaped);
        }
        error = "a quote is not closed";
        return false;
    }

    static void Append(Token& token, std::string* into, char c) {
        if (into != &token.text) {
            into->push_back(c);
        }
        token.text.push_back(c);
    }

    std::string_view line_;
    std::size_t position_ = 0;
};

}  // namespace

TokenizedLine TokenizeLine(std::string_view line) {
    return LineReader(line).Read();
}

}  // namespace lanvane::scenario
