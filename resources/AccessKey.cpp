#include "resources/AccessKey.h"

#include <algorithm>

namespace lanvane {
namespace {

// The length of the UTF-8 sequence that starts with this byte.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0xC0) {
        return 1;
    }
    if (lead < 0xE0) {
        return 2;
    }
    return lead < 0xF0 ? 3 : 4;
}

// "検索(&S)", also before the colon or dots that end a label: "IP アドレス(&I):".
bool IsAppended(std::string_view text, std::size_t mark, std::size_t length) {
    const std::size_t close = mark + 1 + length;
    if (mark == 0 || text[mark - 1] != '(' || close >= text.size() || text[close] != ')') {
        return false;
    }
    const std::string_view rest = text.substr(close + 1);
    return rest.empty() || rest == ":" || rest == "\uFF1A" || rest == "...";
}

}  // namespace

std::string ShownText(std::string_view text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '&' && at + 1 < text.size()) {
            ++at;
        }
        shown += text[at];
    }
    return shown;
}

AccessKeyParse FindAccessKey(std::string_view text) {
    AccessKeyParse parse;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '&') {
            continue;
        }
        if (at + 1 < text.size() && text[at + 1] == '&') {
            ++at;
            continue;
        }
        if (parse.mark || at + 1 == text.size() || text[at + 1] == ' ' || text[at + 1] == '\n') {
            return {std::nullopt, true};
        }
        const std::size_t length = std::min(SequenceLength(static_cast<unsigned char>(text[at + 1])),
                                            text.size() - at - 1);
        parse.mark = AccessKeyMark{at + 1, std::string(text.substr(at + 1, length)), IsAppended(text, at, length)};
    }
    return parse;
}

}  // namespace lanvane
