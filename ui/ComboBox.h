#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/TextEntry.h"

namespace lanvane {

// A drop-down list, or a drop-down combo with an edit field. Text() is the selected
// entry's text (list) or the edit field's text (combo). The user's pick raises
// SelectionChanged then SelectionConfirmed; typing into the combo's edit field raises
// TextChanged per character and clears the selection. Program calls raise nothing.
class ComboBox : public Control, public TextEntry {
public:
    static constexpr int kNone = -1;

    ComboBox(ControlHost& host, const ControlTemplate& source);

    bool HasEditField() const { return Kind() == ControlKind::DropDownCombo; }
    bool TakesText() const override { return HasEditField(); }

    int AddString(std::string_view text);
    void ResetContent();
    int GetCount() const { return static_cast<int>(items_.size()); }
    // Empty for an index out of range.
    std::string GetItemText(int index) const;
    int FindStringExact(std::string_view text) const;

    int GetCurSel() const { return selection_; }
    // An index out of range clears the selection and returns kNone.
    int SetCurSel(int index);
    // List: selects the entry with exactly this text (or none). Combo: sets the edit field.
    void SetText(std::string_view text) override;
    // Edit field limit for the user's typing; 0 means no limit.
    void SetTextLimit(int limit) { textLimit_ = limit; }

    bool UserChoose(int index);
    bool UserTypeCharacter(char character) override;
    bool UserErase() override;
    bool UserReplaceText(std::string_view text) override;

    void FocusChanged(bool gained) override;

private:
    bool Contains(int index) const { return index >= 0 && index < GetCount(); }
    bool AcceptsTyping() const { return HasEditField() && AcceptsUserInput(); }
    void Select(int index);
    void EditByUser(std::string text);

    std::vector<std::string> items_;
    int selection_ = kNone;
    int textLimit_ = 0;
};

}  // namespace lanvane
