#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "resources/DialogTemplate.h"

namespace lanvane {

// A language's texts and size changes, read from its table: UTF-8 text, one entry a line.
//
//   # a comment line
//   @font = MS UI Gothic           the font every dialog names instead of its own
//   [strings]
//   203 = Verbindung fehlgeschlagen.\nBitte erneut versuchen.
//   356                            an id whose English text the language keeps
//   [dialog 102 main menu]         words after the id are a reader's note
//   Exit = &Beenden                English control text as shown (or title) = translation,
//                                  "&" before the access key ("閉じる(&X)" in CJK)
//   USB                            a text the language keeps
//   @size = 160 270                the dialog's width and height
//   @rect Port = 260 56 80 8       a control's new rectangle, named by its English text,
//   @rect :@2 = 95 34 4 8          by the n-th control with that text,
//   @rect #1005 = 260 66 80 12     or by its id
//
// "\n" in a text is a line break, "\\" a backslash. Keys and texts are trimmed.
struct LanguageTable {
    struct Dialog {
        // English text -> translation; nothing where the language keeps the English text.
        std::map<std::string, std::optional<std::string>, std::less<>> texts;
        std::optional<std::pair<int, int>> size;
        std::vector<std::pair<std::string, DialogRect>> rects;
    };

    std::string fontName;  // empty: each dialog keeps its own font
    std::map<int, std::optional<std::string>> strings;
    std::map<int, Dialog> dialogs;
    std::vector<std::string> problems;  // "line 12: ...", one per line that was not understood
};

LanguageTable ReadLanguageTable(std::string_view text);

// The key under which a table names a template text: the text as shown (without its access
// key mark) and without surrounding blanks, so "E&xit" is named "Exit".
std::string TableKey(std::string_view englishText);

}  // namespace lanvane
