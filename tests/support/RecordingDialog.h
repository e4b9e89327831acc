#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace lanvane::test {

// A dialog that logs what reaches its handlers ("83 Clicked", "timer 1 at 100",
// "socket 9", "cancel") and runs the hooks a test gives it.
class RecordingDialog : public Dialog {
public:
    using Dialog::Dialog;

    // The log entries that start with prefix.
    std::vector<std::string> Entries(const std::string& prefix) const;

    std::vector<std::string> log;
    std::function<void(RecordingDialog&)> onInit;
    std::function<void(RecordingDialog&, int, Notification)> onCommand;
    std::function<bool(RecordingDialog&, int, const NotifyMessage&)> onNotify;
    std::function<void(RecordingDialog&, int)> onTimer;
    std::function<void(RecordingDialog&, int)> onSocket;
    std::function<void(RecordingDialog&)> onCancel;  // none: the dialog's own Cancel

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    bool OnNotify(int controlId, const NotifyMessage& message) override;
    void OnTimer(int timerId) override;
    void OnSocketReadable(int token) override;
    void OnCancel() override;
};

}  // namespace lanvane::test
