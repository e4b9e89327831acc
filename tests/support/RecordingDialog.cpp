#include "tests/support/RecordingDialog.h"

namespace lanvane::test {
namespace {

std::string Describe(Notification code) {
    switch (code) {
    case Notification::Clicked: return "Clicked";
    case Notification::TextChanged: return "TextChanged";
    case Notification::FocusGained: return "FocusGained";
    case Notification::FocusLost: return "FocusLost";
    case Notification::SelectionChanged: return "SelectionChanged";
    case Notification::SelectionConfirmed: return "SelectionConfirmed";
    }
    return "?";
}

std::string Describe(const NotifyMessage& message) {
    switch (message.code) {
    case NotifyCode::ListItemChanged:
        return "ItemChanged " + std::to_string(message.item) + " " + std::to_string(message.oldState) + ">" +
               std::to_string(message.newState);
    case NotifyCode::TabSelChanging: return "SelChanging";
    case NotifyCode::TabSelChange: return "SelChange";
    case NotifyCode::IpFieldChanged:
        return "FieldChanged " + std::to_string(message.item) + "=" + std::to_string(message.value);
    }
    return "?";
}

}  // namespace

std::vector<std::string> RecordingDialog::Entries(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : log) {
        if (entry.starts_with(prefix)) {
            found.push_back(entry);
        }
    }
    return found;
}

bool RecordingDialog::OnInitDialog() {
    if (onInit) {
        onInit(*this);
    }
    return true;
}

void RecordingDialog::OnCommand(int controlId, Notification code) {
    log.push_back(std::to_string(controlId) + " " + Describe(code));
    if (onCommand) {
        onCommand(*this, controlId, code);
    }
}

bool RecordingDialog::OnNotify(int controlId, const NotifyMessage& message) {
    log.push_back(std::to_string(controlId) + " " + Describe(message));
    return onNotify ? onNotify(*this, controlId, message) : false;
}

void RecordingDialog::OnTimer(int timerId) {
    log.push_back("timer " + std::to_string(timerId) + " at " + std::to_string(Ui().NowMs()));
    if (onTimer) {
        onTimer(*this, timerId);
    }
}

void RecordingDialog::OnSocketReadable(int token) {
    log.push_back("socket " + std::to_string(token));
    if (onSocket) {
        onSocket(*this, token);
    }
}

void RecordingDialog::OnCancel() {
    log.push_back("cancel");
    if (onCancel) {
        onCancel(*this);
    } else {
        Dialog::OnCancel();
    }
}

}  // namespace lanvane::test
