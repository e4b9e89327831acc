#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lanvane {

// Control texts carry their access key as Windows writes it: "&" before the key's
// character ("&Search", in Chinese, Japanese and Korean "検索(&S)"), "&&" for an ampersand.

// What the control shows: the text without its marks, "&&" as one ampersand.
std::string ShownText(std::string_view text);

// Where an access key mark stands in a text.
struct AccessKeyMark {
    std::size_t at = 0;     // the byte offset of the key's character in the text
    std::string character;  // the key's character, one UTF-8 sequence
    bool appended = false;  // written after the text in parentheses: "検索(&S)"
};

// The text's marks: nothing when it has none; more than one, or a mark before a blank or
// at the end, is not a key but a broken text (std::nullopt with `broken` set).
struct AccessKeyParse {
    std::optional<AccessKeyMark> mark;
    bool broken = false;
};
AccessKeyParse FindAccessKey(std::string_view text);

}  // namespace lanvane
