#include "ui/EditControl.h"

#include <cstddef>

namespace lanvane {

EditControl::EditControl(ControlHost& host, const ControlTemplate& source)
    : Control(host, source), textLimit_(source.textLimit) {}

void EditControl::SetTextLimit(int limit) {
    if (limit == textLimit_) {
        return;
    }
    textLimit_ = limit;
    Changed(ModelChange::Limit);
}

bool EditControl::TakesCharacter(const std::string& current, char character) const {
    if (textLimit_ > 0 && current.size() >= static_cast<std::size_t>(textLimit_)) {
        return false;
    }
    return !IsDigitsOnly() || (character >= '0' && character <= '9');
}

bool EditControl::UserTypeCharacter(char character) {
    if (!AcceptsTyping() || !UserFocus() || !TakesCharacter(Text(), character)) {
        return false;
    }
    StoreText(Text() + character);
    Raise(Notification::TextChanged);
    return true;
}

bool EditControl::UserErase() {
    if (!AcceptsTyping() || !UserFocus() || Text().empty()) {
        return false;
    }
    StoreText({});
    Raise(Notification::TextChanged);
    return true;
}

bool EditControl::UserReplaceText(std::string_view text) {
    if (!AcceptsTyping() || !UserFocus()) {
        return false;
    }
    std::string filtered;
    for (char character : text) {
        if (TakesCharacter(filtered, character)) {
            filtered += character;
        }
    }
    if (filtered == Text()) {
        return false;
    }
    StoreText(std::move(filtered));
    Raise(Notification::TextChanged);
    return true;
}

void EditControl::FocusChanged(bool gained) {
    Raise(gained ? Notification::FocusGained : Notification::FocusLost);
}

}  // namespace lanvane
