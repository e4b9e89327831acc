#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "resources/AccessKey.h"
#include "resources/DialogTemplates.h"
#include "resources/LanguageTable.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceSet.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "tests/resources/LanguageTableFiles.h"

namespace lanvane {
namespace {

using ::testing::IsEmpty;

std::multiset<std::string> Matches(std::string_view text, const std::regex& pattern) {
    std::multiset<std::string> found;
    const std::string copy(text);
    for (auto it = std::sregex_iterator(copy.begin(), copy.end(), pattern); it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

// Printf conversions and braced names: the parts of a text a program fills in.
std::multiset<std::string> Placeholders(std::string_view text) {
    static const std::regex kPlaceholder(R"(%[-+ #0]*[0-9]*[sdiuxXc]|\{[A-Za-z0-9_]*\})");
    return Matches(text, kPlaceholder);
}

// The numbers of a text ("0~32767", "3KB"): ranges and limits the reader needs to see.
std::multiset<std::string> Numbers(std::string_view text) {
    static const std::regex kNumber("[0-9]+");
    return Matches(text, kNumber);
}

// The strings a control shows: the tab labels and the Authentication page's password label.
bool IsControlText(int id) {
    return (id >= sid::kTabSystemInformation && id <= sid::kTabCertification) ||
           id == sid::kAuthenticationPasswordLabel || id == sid::kCertificationPasswordLabel;
}

// The access key marks of a control text: 0 or 1, nothing when broken ("& " or two marks).
std::optional<int> Mnemonics(std::string_view text) {
    const AccessKeyParse parse = FindAccessKey(text);
    if (parse.broken) {
        return std::nullopt;
    }
    return parse.mark ? 1 : 0;
}

// What is wrong with one translation, compared with its English text; empty when nothing.
std::string Flaw(std::string_view english, std::string_view translated, bool controlText) {
    if (translated.empty()) {
        return "empty";
    }
    if (Placeholders(english) != Placeholders(translated)) {
        return "placeholders differ";
    }
    if (!std::ranges::includes(Numbers(translated), Numbers(english))) {
        return "a number lost";
    }
    if (std::ranges::count(english, '\n') != std::ranges::count(translated, '\n')) {
        return "line breaks differ";
    }
    if (controlText && Mnemonics(english) != Mnemonics(translated)) {
        return "mnemonic broken";
    }
    return {};
}

class LanguageTablesTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { table = ReadLanguageTable(ReadTable(GetParam())); }

    void CheckStrings() {
        std::set<int> englishIds;
        for (const StringEntry& english : EnglishStrings()) {
            englishIds.insert(english.id);
            const auto found = table.strings.find(english.id);
            if (found == table.strings.end()) {
                problems.push_back("string " + std::to_string(english.id) + ": missing");
            } else if (found->second) {
                Note("string " + std::to_string(english.id),
                     Flaw(english.text, *found->second, IsControlText(english.id)));
            }
        }
        for (const auto& [id, text] : table.strings) {
            if (!englishIds.contains(id)) {
                problems.push_back("string " + std::to_string(id) + ": extra");
            }
        }
    }

    void CheckDialog(const DialogTemplate& english) {
        const std::string name = "dialog " + std::to_string(english.id);
        const auto section = table.dialogs.find(english.id);
        if (section == table.dialogs.end()) {
            problems.push_back(name + ": missing");
            return;
        }
        std::set<std::string, std::less<>> keys;
        CheckText(name, english.title, section->second, keys);
        for (const ControlTemplate& control : english.controls) {
            CheckText(name, control.text, section->second, keys);
        }
        for (const auto& [key, text] : section->second.texts) {
            if (!keys.contains(key)) {
                problems.push_back(name + " \"" + key + "\": extra");
            }
        }
    }

    void CheckText(const std::string& dialog, std::string_view english, const LanguageTable::Dialog& section,
                   std::set<std::string, std::less<>>& keys) {
        const std::string key(TableKey(english));
        if (key.empty() || !keys.insert(key).second) {
            return;
        }
        const auto found = section.texts.find(key);
        if (found == section.texts.end()) {
            problems.push_back(dialog + " \"" + key + "\": missing");
        } else if (found->second) {
            Note(dialog + " \"" + key + "\"", Flaw(english, *found->second, true));
        }
    }

    void Note(const std::string& what, const std::string& flaw) {
        if (!flaw.empty()) {
            problems.push_back(what + ": " + flaw);
        }
    }

    LanguageTable table;
    std::vector<std::string> problems;
};

TEST_P(LanguageTablesTest, DefinesEveryEnglishIdAndNothingElse) {
    EXPECT_THAT(table.problems, IsEmpty()) << GetParam();
    CheckStrings();
    for (const DialogTemplate* english : AllDialogTemplates()) {
        CheckDialog(*english);
    }
    for (const auto& [id, section] : table.dialogs) {
        if (FindDialogTemplate(id) == nullptr) {
            problems.push_back("dialog " + std::to_string(id) + ": extra");
        }
    }
    EXPECT_THAT(problems, IsEmpty()) << GetParam();
}

// A size change that names no control would silently leave the control where it was.
TEST_P(LanguageTablesTest, EverySizeChangeMovesAControl) {
    for (const auto& [id, section] : table.dialogs) {
        const LanguageTable::Dialog textsOnly{.texts = {}, .size = {}, .rects = {}};
        for (const auto& [key, rect] : section.rects) {
            const DialogTemplate* english = FindDialogTemplate(id);
            ASSERT_NE(english, nullptr) << GetParam() << " dialog " << id;
            LanguageTable::Dialog one = textsOnly;
            one.rects.emplace_back(key, DialogRect{-1, -1, -1, -1});
            const TranslatedTemplate moved(*english, one, "");
            EXPECT_TRUE(std::ranges::any_of(moved.Template().controls,
                                            [](const ControlTemplate& control) { return control.rect.x == -1; }))
                << GetParam() << " dialog " << id << " @rect " << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTablesTest,
                         testing::ValuesIn(kTranslations),
                         [](const testing::TestParamInfo<const char*>& param) { return std::string(param.param); });

// The reader's rules, on a table that uses each of them once (texts, escapes and kept
// entries: the real tables' test above).
TEST(LanguageTableTest, ReadsFontSizesPlacesAndProblems) {
    const LanguageTable table = ReadLanguageTable(
        "# comment\n@font = Gulim\n[strings]\n203 = Eins\\nZwei\n356\n[dialog 141 window]\n"
        "Port = Anschluss\nUSB\n@size = 380 254\n@rect :@2 = 1 2 3 4\nbroken line = \n[nonsense]\n");
    EXPECT_EQ(table.fontName, "Gulim");
    const LanguageTable::Dialog& window = table.dialogs.at(141);
    EXPECT_EQ(window.size, std::pair(380, 254));
    ASSERT_EQ(window.rects.size(), 1U);
    EXPECT_EQ(window.rects[0].first, ":@2");
    EXPECT_EQ(table.problems, std::vector<std::string>{"line 12: an unknown section"});
}

// The English geometry stays the one source: a translated template keeps every control
// where English has it unless the language moves it, and takes the texts by English key.
TEST(LanguageTableTest, TranslatedTemplateKeepsEnglishGeometry) {
    const LanguageTable table = ReadLanguageTable(
        "[dialog 105 page]\nPrinter Name = Druckername\n@rect :@2 = 90 50 4 8\n@rect #1018 = 1 2 3 4\n");
    const ResourceSet german(table);
    const DialogTemplate& english = *FindDialogTemplate(105);
    const DialogTemplate& translated = german.Dialog(105);
    ASSERT_EQ(translated.controls.size(), english.controls.size());
    int colons = 0;
    for (std::size_t index = 0; index < english.controls.size(); ++index) {
        const ControlTemplate& before = english.controls[index];
        const ControlTemplate& after = translated.controls[index];
        const bool secondColon = before.text == ":" && ++colons == 2;
        const bool moved = secondColon || before.id == 1018;
        EXPECT_EQ(after.rect.x != before.rect.x, moved) << index;
        EXPECT_EQ(after.text, ShownText(before.text) == "Printer Name" ? "Druckername" : before.text) << index;
    }
}

}  // namespace
}  // namespace lanvane
