#pragma once

#include <string>
#include <string_view>

#include "ui/Control.h"

namespace lanvane {

// An edit field. The limit and the digits-only rule hold for what the user types, not for
// what the program sets, as with a classic edit control. Text the user changes raises
// TextChanged once per change (per character typed); SetText raises nothing.
class EditControl : public Control {
public:
    EditControl(ControlHost& host, const ControlTemplate& source);

    // 0 means no limit.
    int TextLimit() const { return textLimit_; }
    void SetTextLimit(int limit);
    bool IsDigitsOnly() const { return HasStyle(style::kNumber); }
    bool IsMasked() const { return HasStyle(style::kPassword); }
    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // The text as shown: one '*' per character when masked.
    std::string DisplayText() const;

    // One key typed at the end of the text; the focus moves here first. False when refused
    // (limit, digits only, read-only, no input).
    bool UserTypeCharacter(char character);
    // Types the characters one by one; returns how many were taken.
    int UserType(std::string_view text);
    // Select all and delete. False when refused or already empty.
    bool UserErase();
    // A widget's whole new text, limited and filtered as typing would be. One TextChanged
    // when the text differs.
    bool UserReplaceText(std::string_view text);

    void FocusChanged(bool gained) override;

private:
    bool TakesCharacter(const std::string& current, char character) const;
    bool AcceptsTyping() const { return !readOnly_ && AcceptsUserInput(); }

    int textLimit_;
    bool readOnly_;
};

}  // namespace lanvane
