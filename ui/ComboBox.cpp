#include "ui/ComboBox.h"

#include <cstddef>

namespace lanvane {

ComboBox::ComboBox(ControlHost& host, const ControlTemplate& source)
    : Control(host, source), textLimit_(source.textLimit) {
    StoreText({});
}

int ComboBox::AddString(std::string_view text) {
    items_.emplace_back(text);
    Changed(ModelChange::Items);
    return GetCount() - 1;
}

void ComboBox::ResetContent() {
    items_.clear();
    selection_ = kNone;
    Changed(ModelChange::Items);
    Changed(ModelChange::Selection);
    StoreText({});
}

std::string ComboBox::GetItemText(int index) const {
    return Contains(index) ? items_[static_cast<std::size_t>(index)] : std::string();
}

int ComboBox::FindStringExact(std::string_view text) const {
    for (int index = 0; index < GetCount(); ++index) {
        if (items_[static_cast<std::size_t>(index)] == text) {
            return index;
        }
    }
    return kNone;
}

void ComboBox::Select(int index) {
    selection_ = Contains(index) ? index : kNone;
    Changed(ModelChange::Selection);
    if (selection_ != kNone || !HasEditField()) {
        StoreText(GetItemText(selection_));
    }
}

int ComboBox::SetCurSel(int index) {
    Select(index);
    return selection_;
}

void ComboBox::SetText(std::string_view text) {
    if (HasEditField()) {
        StoreText(std::string(text));
    } else {
        Select(FindStringExact(text));
    }
}

bool ComboBox::UserChoose(int index) {
    if (!Contains(index) || !UserFocus()) {
        return false;
    }
    Select(index);
    Raise(Notification::SelectionChanged);
    Raise(Notification::SelectionConfirmed);
    return true;
}

void ComboBox::EditByUser(std::string text) {
    StoreText(std::move(text));
    if (selection_ != kNone) {
        selection_ = kNone;
        Changed(ModelChange::Selection);
    }
    Raise(Notification::TextChanged);
}

bool ComboBox::UserTypeCharacter(char character) {
    const bool full = textLimit_ > 0 && Text().size() >= static_cast<std::size_t>(textLimit_);
    if (!AcceptsTyping() || !UserFocus() || full) {
        return false;
    }
    EditByUser(Text() + character);
    return true;
}

bool ComboBox::UserErase() {
    if (!AcceptsTyping() || !UserFocus() || Text().empty()) {
        return false;
    }
    EditByUser({});
    return true;
}

bool ComboBox::UserReplaceText(std::string_view text) {
    std::string limited(text);
    if (textLimit_ > 0 && limited.size() > static_cast<std::size_t>(textLimit_)) {
        limited.resize(static_cast<std::size_t>(textLimit_));
    }
    if (!AcceptsTyping() || !UserFocus() || limited == Text()) {
        return false;
    }
    EditByUser(std::move(limited));
    return true;
}

void ComboBox::FocusChanged(bool gained) {
    Raise(gained ? Notification::FocusGained : Notification::FocusLost);
}

}  // namespace lanvane
