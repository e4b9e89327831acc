#pragma once

#include <string_view>

namespace lanvane {

// What the user types into: an edit field, or the edit field of a drop-down combo.
class TextEntry {
public:
    virtual ~TextEntry() = default;

    // False for a control of this kind that has no edit field.
    virtual bool TakesText() const { return true; }
    // One key typed at the end of the text; the focus moves here first. False when refused.
    virtual bool UserTypeCharacter(char character) = 0;
    // Select all and delete. False when refused or already empty.
    virtual bool UserErase() = 0;
    // A widget's whole new text, limited and filtered as typing would be. False when refused
    // or nothing changes.
    virtual bool UserReplaceText(std::string_view text) = 0;

    // Types the characters one by one; returns how many were taken.
    int UserType(std::string_view text);
};

}  // namespace lanvane
