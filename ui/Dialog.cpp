#include "ui/Dialog.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "ui/CheckableButton.h"
#include "ui/ControlFactory.h"
#include "ui/PushButton.h"
#include "ui/RadioButton.h"

namespace lanvane {

Dialog::Dialog(UiBackend& ui, const DialogTemplate& source, Dialog* parent)
    : ui_(ui),
      source_(source),
      parent_(parent),
      title_(source.title),
      placement_{0, 0, source.width, source.height} {
    controls_.reserve(source.controls.size());
    for (const ControlTemplate& control : source.controls) {
        controls_.push_back(MakeControl(*this, control));
    }
    if (IsChild()) {
        parent_->children_.push_back(this);
    }
}

Dialog::~Dialog() {
    if (created_) {
        ui_.DialogClosed(*this);
    }
    Detach();
}

// Forgets the links between this dialog, its parent and its children.
void Dialog::Detach() {
    for (Dialog* child : children_) {
        child->parent_ = nullptr;
    }
    if (Owns(TopLevel().focus_)) {
        TopLevel().focus_ = nullptr;
    }
    if (IsChild()) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

Dialog& Dialog::TopLevel() {
    return IsChild() ? parent_->TopLevel() : *this;
}

const Dialog& Dialog::TopLevel() const {
    return IsChild() ? parent_->TopLevel() : *this;
}

int Dialog::DoModal() {
    if (created_ || IsChild()) {
        return -1;
    }
    created_ = true;
    ended_ = false;
    result_ = kIdCancel;
    visible_ = true;
    ui_.DialogOpened(*this);
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    if (!ended_) {
        ui_.RunModalLoop(*this);
    }
    Destroy();
    return result_;
}

void Dialog::EndDialog(int result) {
    if (IsChild()) {
        return;
    }
    result_ = result;
    ended_ = true;
}

bool Dialog::Create() {
    if (!IsChild() || created_) {
        return false;
    }
    created_ = true;
    ended_ = false;
    visible_ = false;
    ui_.DialogOpened(*this);
    OnInitDialog();
    return true;
}

void Dialog::Destroy() {
    OnDestroy();
    for (Dialog* child : children_) {
        if (child->created_) {
            child->Destroy();
        }
    }
    ui_.DialogClosed(*this);
    created_ = false;
    visible_ = false;
    if (!IsChild()) {
        focus_ = nullptr;
    }
}

void Dialog::DialogChanged(DialogChange what) {
    if (observer_ != nullptr) {
        observer_->OnDialogChanged(*this, what);
    }
}

void Dialog::SetWindowText(std::string_view title) {
    title_ = std::string(title);
    DialogChanged(DialogChange::Title);
}

void Dialog::ShowWindow(bool show) {
    if (show != visible_) {
        visible_ = show;
        DialogChanged(DialogChange::Visible);
    }
}

void Dialog::EnableWindow(bool enable) {
    if (enable != enabled_) {
        enabled_ = enable;
        DialogChanged(DialogChange::Enabled);
    }
}

void Dialog::MoveWindow(const DialogRect& placement) {
    placement_ = placement;
    DialogChanged(DialogChange::Placement);
}

Control* Dialog::FindControl(int id) const {
    if (id == -1) {
        return nullptr;
    }
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const auto& control) { return control->Id() == id; });
    return found == controls_.end() ? nullptr : found->get();
}

Control& Dialog::GetDlgItem(int id) const {
    return Item<Control>(id);
}

void Dialog::MissingControl(int id) const {
    std::fprintf(stderr, "dialog %d has no control %d of the kind asked for\n", source_.id, id);
    std::abort();
}

void Dialog::SetDlgItemText(int id, std::string_view text) {
    GetDlgItem(id).SetText(text);
}

std::string Dialog::GetDlgItemText(int id) const {
    return GetDlgItem(id).Text();
}

void Dialog::SetDlgItemInt(int id, int value) {
    SetDlgItemText(id, std::to_string(value));
}

std::optional<int> Dialog::GetDlgItemInt(int id) const {
    const std::string& text = GetDlgItem(id).Text();
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

void Dialog::EnableDlgItem(int id, bool enable) {
    GetDlgItem(id).Enable(enable);
}

void Dialog::ShowDlgItem(int id, bool show) {
    GetDlgItem(id).Show(show);
}

void Dialog::CheckDlgButton(int id, bool checked) {
    Item<CheckableButton>(id).SetCheck(checked);
}

bool Dialog::IsDlgButtonChecked(int id) const {
    return Item<CheckableButton>(id).IsChecked();
}

void Dialog::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (const auto& control : controls_) {
        auto* radio = dynamic_cast<RadioButton*>(control.get());
        if (radio != nullptr && radio->Id() >= firstId && radio->Id() <= lastId) {
            radio->SetCheck(radio->Id() == checkId);
        }
    }
}

void Dialog::SetFocus(int id) {
    TopLevel().MoveFocus(&GetDlgItem(id));
}

Control* Dialog::GetFocus() const {
    return TopLevel().focus_;
}

void Dialog::MoveFocus(Control* next) {
    Control* previous = focus_;
    if (next == previous) {
        return;
    }
    focus_ = next;
    DialogChanged(DialogChange::Focus);
    if (previous != nullptr) {
        previous->FocusChanged(false);
    }
    if (next != nullptr && focus_ == next) {
        next->FocusChanged(true);
    }
}

void Dialog::FocusFirstTabStop() {
    for (const auto& control : controls_) {
        if (control->CanTakeFocus() && control->HasStyle(style::kTabStop) && control->IsEnabled() &&
            control->IsVisible()) {
            MoveFocus(control.get());
            return;
        }
    }
}

bool Dialog::Owns(const Control* control) const {
    return control != nullptr &&
           std::any_of(controls_.begin(), controls_.end(),
                       [control](const auto& own) { return own.get() == control; });
}

void Dialog::SetTimer(int timerId, int periodMs) {
    ui_.SetTimer(*this, timerId, periodMs);
}

void Dialog::KillTimer(int timerId) {
    ui_.KillTimer(*this, timerId);
}

void Dialog::WatchSocket(SocketHandle socket, int token) {
    ui_.Sockets().Watch(*this, socket, token);
}

void Dialog::UnwatchSocket(int token) {
    ui_.Sockets().Unwatch(*this, token);
}

int Dialog::MessageBox(std::string_view text, std::string_view caption, MessageBoxIcon icon) {
    return ui_.ShowMessageBox(this, MessageBoxRequest{std::string(text), std::string(caption), icon});
}

void Dialog::DispatchTimer(int timerId) {
    if (created_) {
        OnTimer(timerId);
    }
}

void Dialog::DispatchSocketReadable(int token) {
    if (created_) {
        OnSocketReadable(token);
    }
}

bool Dialog::UserOk() {
    if (!AcceptsInput()) {
        return false;
    }
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button != nullptr && button->IsDefault()) {
            return button->UserClick();
        }
    }
    OnOk();
    return true;
}

bool Dialog::UserCancel() {
    if (!AcceptsInput()) {
        return false;
    }
    OnCancel();
    return true;
}

void Dialog::OnOk() {
    EndDialog(kIdOk);
}

void Dialog::OnCancel() {
    EndDialog(kIdCancel);
}

bool Dialog::AcceptsInput() const {
    if (!created_ || ended_ || !visible_ || !enabled_) {
        return false;
    }
    return IsChild() ? parent_->AcceptsInput() : ui_.AcceptsInput(*this);
}

bool Dialog::AcceptsUserInput(const Control& control) const {
    return control.IsEnabled() && control.IsVisible() && AcceptsInput();
}

void Dialog::UserFocus(Control& control) {
    TopLevel().MoveFocus(&control);
}

bool Dialog::HasFocus(const Control& control) const {
    return GetFocus() == &control;
}

void Dialog::RaiseCommand(Control& control, Notification code) {
    if (!created_) {
        return;
    }
    if (code == Notification::Clicked && control.Id() == kIdOk) {
        OnOk();
    } else if (code == Notification::Clicked && control.Id() == kIdCancel) {
        OnCancel();
    } else {
        OnCommand(control.Id(), code);
    }
}

bool Dialog::RaiseNotify(Control& control, const NotifyMessage& message) {
    return created_ && OnNotify(control.Id(), message);
}

// A radio group runs from a control marked kGroup to the next control so marked.
void Dialog::UncheckRadioSiblings(RadioButton& checked) {
    const auto self = std::find_if(controls_.begin(), controls_.end(),
                                   [&checked](const auto& control) { return control.get() == &checked; });
    auto first = self;
    while (first != controls_.begin() && !(*first)->HasStyle(style::kGroup)) {
        --first;
    }
    const auto last = std::find_if(std::next(self), controls_.end(),
                                   [](const auto& control) { return control->HasStyle(style::kGroup); });
    for (auto each = first; each != last; ++each) {
        auto* radio = dynamic_cast<RadioButton*>(each->get());
        if (radio != nullptr && radio != &checked) {
            radio->SetCheck(false);
        }
    }
}

void Dialog::ModelChanged(const Control& control, ModelChange what, int index) {
    if (observer_ != nullptr) {
        observer_->OnControlChanged(control, what, index);
    }
}

}  // namespace lanvane
