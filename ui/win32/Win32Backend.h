#pragma once

#include "ui/win32/WindowsHeader.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/ModalStack.h"
#include "ui/UiBackend.h"
#include "ui/win32/DialogWindowHost.h"
#include "ui/win32/Win32DialogWindow.h"
#include "ui/win32/Win32SocketWatch.h"

namespace lanvane {

// The dialog layer on native Win32 windows: every dialog gets a dialog-manager window made
// from its template and bound to its models; each modal dialog runs a message loop of its
// own (nested), message boxes and the open-file dialog run the system's. Timers are window
// timers and socket readiness comes as window messages, so both arrive through whatever
// loop runs. Serves the thread that made it.
class Win32Backend final : public UiBackend, private DialogWindowHost {
public:
    using UrlOpener = std::function<void(const std::string&)>;

    Win32Backend();
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void DialogOpened(Dialog& dialog) override;
    void DialogClosed(Dialog& dialog) override;
    void RunModalLoop(Dialog& dialog) override;
    bool AcceptsInput(const Dialog& topLevel) const override;
    int ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) override;
    std::vector<std::string> ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) override;
    // Opens a printer's web page ("http://a.b.c.d/") with the shell; refuses anything else.
    void OpenUrl(const std::string& url) override;
    void SetTimer(Dialog& dialog, int timerId, int periodMs) override;
    void KillTimer(Dialog& dialog, int timerId) override;
    SocketWatchList& Sockets() override { return sockets_; }
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PumpPaint() override;
    std::int64_t NowMs() const override;
    void Sleep(int ms) override;

    // Opens accepted URLs instead of the shell (tests, the demo).
    void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    // Ends the innermost modal window without asking its handlers: a message box is
    // answered OK, a file dialog cancelled, a dialog ended with kIdCancel.
    void CloseInnermost();
    // Cancels the innermost modal window as the user would: a dialog gets Escape and is
    // ended with kIdCancel when its handler keeps it open; others as CloseInnermost.
    void CancelInnermost();

    // What a driver, a test or the screenshots read.
    Win32DialogWindow* WindowOf(const Dialog& dialog) const;
    // The control window of a control of any open dialog, or nullptr.
    HWND ControlWindow(const Control& control) const;
    Dialog* ActiveDialog() const { return frames_.ActiveDialog(); }
    // The innermost modal dialog, or the owner of the message box or file dialog over it.
    Dialog* InnermostWindow() const { return frames_.InnermostWindow(); }
    // The system's window of the open message box or file dialog, or nullptr.
    HWND SystemDialogWindow() const;
    const MessageBoxRequest* PendingMessageBox() const;
    const FileDialogRequest* PendingFileDialog() const;
    int ModalDepth() const { return frames_.Depth(); }
    const std::vector<MessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    int WaitCursorDepth() const { return waitCursorDepth_; }
    int PaintPumps() const { return paintPumps_; }
    bool PaintingDuringExchange() const { return pumping_; }
    HICON Icon() const override { return icon_; }

private:
    struct NativeFrame {
        const MessageBoxRequest* messageBox = nullptr;
        const FileDialogRequest* fileDialog = nullptr;
    };
    using Frame = ModalStack<NativeFrame>::Frame;

    bool& Mirroring() override { return mirroring_; }
    bool IsInnermost(const Dialog& topLevel) const override;
    bool WaitCursorShown() const override { return waitCursorDepth_ > 0; }
    // Enables the top-level windows the user may reach now and disables the others.
    void SyncModality();
    HWND OwnerWindow(Dialog* owner) const;
    Win32DialogWindow* NewestTopLevel() const;
    void Dispatch(MSG& message);
    // Enter or Escape typed in the dialog, for it rather than for the focused control.
    // Escape is the dialog's, whatever state its Cancel button is in, as in the models.
    static bool IsDialogKey(const MSG& message, HWND dialog);
    static bool IsPageKey(const MSG& message, HWND dialog);

    HICON icon_;
    std::int64_t started_;
    Win32SocketWatch sockets_;
    std::map<const Dialog*, std::unique_ptr<Win32DialogWindow>> windows_;
    std::vector<const Dialog*> topLevels_;  // open top-level dialogs, oldest first
    ModalStack<NativeFrame> frames_;
    std::vector<MessageBoxRequest> messageBoxes_;
    std::vector<std::string> openedUrls_;
    UrlOpener urlOpener_;
    int waitCursorDepth_ = 0;
    int paintPumps_ = 0;
    bool pumping_ = false;
    bool mirroring_ = false;
};

}  // namespace lanvane
