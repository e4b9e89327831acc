#pragma once

#include <string>
#include <string_view>

#include "ui/Control.h"
#include "ui/TextEntry.h"

namespace lanvane {

// An edit field. The limit and the digits-only rule hold for what the user types, not for
// what the program sets, as with a classic edit control. Text the user changes raises
// TextChanged once per change (per character typed); SetText raises nothing.
class EditControl : public Control, public TextEntry {
public:
    EditControl(ControlHost& host, const ControlTemplate& source);

    // 0 means no limit.
    int TextLimit() const { return textLimit_; }
    void SetTextLimit(int limit);
    bool IsDigitsOnly() const { return HasStyle(style::kNumber); }
    bool IsMasked() const { return HasStyle(style::kPassword); }
    bool IsReadOnly() const { return HasStyle(style::kReadOnly); }

    // Typing is refused beyond the limit, for a non-digit in a digits-only field, when
    // read-only and when the dialog takes no input. TextChanged once per change.
    bool UserTypeCharacter(char character) override;
    bool UserErase() override;
    bool UserReplaceText(std::string_view text) override;

    void FocusChanged(bool gained) override;

private:
    bool TakesCharacter(const std::string& current, char character) const;
    bool AcceptsTyping() const { return !IsReadOnly() && AcceptsUserInput(); }

    int textLimit_;
};

}  // namespace lanvane
