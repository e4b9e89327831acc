#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/FileDialogRequest.h"
#include "ui/MessageBoxRequest.h"
#include "ui/SocketWatchList.h"

namespace lanvane {

class Dialog;

// The services behind the dialog layer: the modal event loop, message boxes, timers,
// socket readiness, the wait cursor, the open-file dialog, URL opening and the clock.
// One backend serves one thread; it is handed to every dialog explicitly.
class UiBackend {
public:
    virtual ~UiBackend() = default;

    // A dialog's window comes into being (before its OnInitDialog) and goes away. Closing
    // drops the dialog's timers and watched sockets.
    virtual void DialogOpened(Dialog& dialog) = 0;
    virtual void DialogClosed(Dialog& dialog) = 0;
    // Runs the modal loop of dialog until it has ended. Loops nest: timers and socket events
    // of every open dialog arrive through the innermost loop; user input reaches only the
    // innermost modal window.
    virtual void RunModalLoop(Dialog& dialog) = 0;
    // Whether the user can reach this top-level dialog now (it is the innermost modal window).
    virtual bool AcceptsInput(const Dialog& topLevel) const = 0;

    // Modal message box with an OK button; returns the answer (kIdOk).
    virtual int ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) = 0;
    // Modal open-file dialog; the chosen paths, empty when cancelled.
    virtual std::vector<std::string> ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) = 0;
    virtual void OpenUrl(const std::string& url) = 0;

    // Periodic timer; setting an id that runs restarts it with the new period.
    virtual void SetTimer(Dialog& dialog, int timerId, int periodMs) = 0;
    virtual void KillTimer(Dialog& dialog, int timerId) = 0;
    // The sockets whose data the loop hands to their dialogs.
    virtual SocketWatchList& Sockets() = 0;

    // A counter: the wait cursor shows while it is above zero.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Called from the progress of a blocking exchange: repaint, but take no input.
    virtual void PumpPaint() = 0;

    // Milliseconds of the loop's clock (virtual in the headless backend).
    virtual std::int64_t NowMs() const = 0;
    // Blocks the thread; no event is delivered meanwhile.
    virtual void Sleep(int ms) = 0;
};

}  // namespace lanvane
