#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "resources/AccessKey.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceSet.h"
#include "resources/StringIds.h"
#include "tests/resources/LanguageTableFiles.h"

// Every window in every language: each button but OK and Cancel, each choice and each field
// label has an access key, the keys of one window differ, and each key is a character the user
// finds in the text. Chinese, Japanese and Korean write it after the text ("検索(&S)"); the
// others mark a letter of it.
namespace lanvane {
namespace {

using ::testing::IsEmpty;

bool IsInput(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo ||
           kind == ControlKind::IpAddress;
}

bool IsNote(const ControlTemplate& control) {
    return control.kind == ControlKind::StaticText && ShownText(control.text).starts_with('(');
}

// A label names the field after it, passing over notes such as "(0 ~ 3600)".
bool LabelsAField(std::span<const ControlTemplate> controls, std::size_t index) {
    for (std::size_t next = index + 1; next < controls.size(); ++next) {
        if (!IsNote(controls[next])) {
            return IsInput(controls[next].kind);
        }
    }
    return false;
}

// OK and Cancel take no key: Enter and Escape are theirs, as in every Windows dialog.
bool IsEnterOrEscape(const ControlTemplate& button) {
    return button.text == "OK" || button.text == "Cancel";
}

// Which controls of a window need a key. Radio buttons inside a frame that has a key are
// reached through the frame's key (the Authentication page's codes have too few letters).
std::vector<bool> NeedingKeys(std::span<const ControlTemplate> controls) {
    std::vector<bool> needs;
    bool keyedFrame = false;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const ControlTemplate& control = controls[index];
        switch (control.kind) {
        case ControlKind::GroupBox:
            keyedFrame = FindAccessKey(control.text).mark.has_value();
            needs.push_back(keyedFrame);
            break;
        case ControlKind::RadioButton:
            needs.push_back(!keyedFrame);
            break;
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            needs.push_back(!IsEnterOrEscape(control));
            break;
        case ControlKind::CheckBox:
            needs.push_back(true);
            break;
        case ControlKind::StaticText:
            needs.push_back(!control.text.empty() && !IsNote(control) && LabelsAField(controls, index));
            break;
        default:
            needs.push_back(false);
        }
    }
    return needs;
}

// The code point of one UTF-8 character, upper case for ASCII and Cyrillic letters.
char32_t FoldedKey(const std::string& character) {
    const auto byte = [&](std::size_t at) { return static_cast<char32_t>(static_cast<unsigned char>(character[at])); };
    char32_t code = byte(0);
    if (character.size() == 2) {
        code = ((code & 0x1F) << 6) | (byte(1) & 0x3F);
    } else if (character.size() == 3) {
        code = ((code & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    }
    if (code >= U'a' && code <= U'z') {
        return code - 0x20;
    }
    if (code >= U'а' && code <= U'я') {
        return code - 0x20;
    }
    if (code >= U'ѐ' && code <= U'џ') {
        return code - 0x50;
    }
    return code;
}

bool IsAsciiLetterOrDigit(const std::string& character) {
    return character.size() == 1 && std::isalnum(static_cast<unsigned char>(character[0])) != 0;
}

class AccessKeysTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (GetParam() != "English") {
            resources = ResourceSet(ReadLanguageTable(ReadTable(GetParam())));
        }
    }

    bool KeyAfterText() const {
        return GetParam().ends_with("Chinese") || GetParam() == "Japanese" || GetParam() == "Korean";
    }

    // One window: its controls' texts, and for the configuration window one page's too.
    void CheckWindow(const std::string& name, std::span<const ControlTemplate> controls,
                     const std::vector<bool>& needs) {
        std::map<char32_t, std::string> keys;
        for (std::size_t index = 0; index < controls.size(); ++index) {
            const std::string text(controls[index].text);
            const AccessKeyParse parse = FindAccessKey(text);
            const std::string where = name + " \"" + text + "\"";
            if (parse.broken || (needs[index] && !parse.mark)) {
                problems.push_back(where + ": no access key");
                continue;
            }
            if (!parse.mark) {
                continue;
            }
            CheckKeyCharacter(where, text, *parse.mark);
            const auto [seen, added] = keys.emplace(FoldedKey(parse.mark->character), text);
            if (!added) {
                problems.push_back(where + ": same key as \"" + seen->second + "\"");
            }
        }
    }

    void CheckKeyCharacter(const std::string& where, const std::string& text, const AccessKeyMark& mark) {
        const bool latinText = std::ranges::all_of(ShownText(text), [](char c) { return (c & 0x80) == 0; });
        if (mark.appended && !KeyAfterText()) {
            problems.push_back(where + ": a key on a letter the text lacks");
        } else if (KeyAfterText() && !mark.appended && !latinText) {
            problems.push_back(where + ": the key belongs after the text");
        } else if (mark.character.size() == 1 && !IsAsciiLetterOrDigit(mark.character)) {
            problems.push_back(where + ": a key on a sign");
        } else if (KeyAfterText() && !IsAsciiLetterOrDigit(mark.character)) {
            problems.push_back(where + ": a key the keyboard lacks");
        }
    }

    // The configuration window with one page; the Authentication page's password label with
    // each text it takes.
    void CheckConfigurationWindow(const DialogTemplate& page) {
        const DialogTemplate& window = resources.Dialog(dlg::kInterfaceConfig);
        std::vector<ControlTemplate> controls(window.controls.begin(), window.controls.end());
        controls.insert(controls.end(), page.controls.begin(), page.controls.end());
        std::vector<bool> needs = NeedingKeys(window.controls);
        const std::vector<bool> pageNeeds = NeedingKeys(page.controls);
        needs.insert(needs.end(), pageNeeds.begin(), pageNeeds.end());
        const std::string name = "dialog 141 with " + std::to_string(page.id);
        CheckWindow(name, controls, needs);
        if (page.id != dlg::kAuthPage) {
            return;
        }
        for (const int label : {sid::kAuthenticationPasswordLabel, sid::kCertificationPasswordLabel}) {
            std::vector<ControlTemplate> shown = controls;
            std::ranges::find(shown, ctl::kAuthPasswordLabel, &ControlTemplate::id)->text = resources.Text(label);
            CheckWindow(name + " string " + std::to_string(label), shown, needs);
        }
    }

    ResourceSet resources;
    std::vector<std::string> problems;
};

TEST_P(AccessKeysTest, EveryWindowHasDistinctKeysOnLettersOfItsTexts) {
    for (const DialogTemplate* english : AllDialogTemplates()) {
        const DialogTemplate& dialog = resources.Dialog(english->id);
        if (dialog.child) {
            CheckConfigurationWindow(dialog);
        } else if (dialog.id != dlg::kInterfaceConfig) {
            CheckWindow("dialog " + std::to_string(dialog.id), dialog.controls, NeedingKeys(english->controls));
        }
    }
    EXPECT_THAT(problems, IsEmpty()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessKeysTest, testing::ValuesIn(EveryLanguage()),
                         [](const testing::TestParamInfo<std::string>& param) { return param.param; });

// Where a text's key stands; what it shows is read in the accessible names' test.
TEST(AccessKeyTest, ReadsMarksAsWindowsDoes) {
    EXPECT_EQ(FindAccessKey("E&xit").mark->at, 2U);
    EXPECT_TRUE(FindAccessKey("IP アドレス(&I):").mark->appended);
    EXPECT_EQ(FindAccessKey("&Квитанция").mark->character, "К");
    EXPECT_FALSE(FindAccessKey("A && B").mark);
    for (const char* broken : {"&", "A & B", "&Two &Keys"}) {
        EXPECT_TRUE(FindAccessKey(broken).broken) << broken;
    }
}

}  // namespace
}  // namespace lanvane
