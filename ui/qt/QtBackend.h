#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QPointer>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/ModalStack.h"
#include "ui/UiBackend.h"
#include "ui/qt/WindowHost.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtSocketWatch.h"
#include "ui/qt/QtTimerSet.h"

class QEventLoop;
class QFileDialog;
class QMessageBox;
class QWidget;

namespace lanvane {

// The dialog layer on Qt 6 Widgets: every dialog gets a real window built from its template
// and bound to its models; each modal dialog, message box and file dialog runs a nested
// event loop of its own; timers are QTimers, watched sockets QSocketNotifiers. Needs a
// QApplication on the thread that uses it.
class QtBackend final : public UiBackend, private WindowHost {
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    void DialogOpened(Dialog& dialog) override;
    void DialogClosed(Dialog& dialog) override;
    void RunModalLoop(Dialog& dialog) override;
    bool AcceptsInput(const Dialog& topLevel) const override;
    int ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) override;
    std::vector<std::string> ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) override;
    void OpenUrl(const std::string& url) override;
    void SetTimer(Dialog& dialog, int timerId, int periodMs) override;
    void KillTimer(Dialog& dialog, int timerId) override;
    SocketWatchList& Sockets() override { return sockets_; }
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PumpPaint() override;
    std::int64_t NowMs() const override;
    void Sleep(int ms) override;

    // Opens URLs instead of the desktop's opener (tests, the demo).
    void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    const QIcon& Icon() const { return icon_; }
    // Ends the innermost modal window without asking its handlers: a message box is
    // answered OK, a file dialog cancelled, a dialog ended with kIdCancel.
    void CloseInnermost();
    // Cancels the innermost modal window as the user would: a message box is answered OK, a
    // file dialog cancelled, a dialog gets Escape and is ended with kIdCancel when its
    // handler keeps it open.
    void CancelInnermost();
    // Whether a watched socket has data that its dialog has not been told about yet.
    bool SocketDataWaiting() const { return sockets_.AnyReadable(); }
    // The widget of a control of any open window, or nullptr.
    QWidget* WidgetOf(const Control& control) const;

    // What a driver, a test or the screenshots read.
    QtDialogWindow* WindowOf(const Dialog& dialog) const;
    Dialog* ActiveDialog() const { return frames_.ActiveDialog(); }
    // The innermost modal dialog, or the owner of the message box or file dialog over it.
    Dialog* InnermostWindow() const { return frames_.InnermostWindow(); }
    QMessageBox* ActiveMessageBox() const;
    QFileDialog* ActiveFileDialog() const;
    // What the open message box or file dialog was asked to show; nullptr when none is open.
    const MessageBoxRequest* PendingMessageBox() const;
    const FileDialogRequest* PendingFileDialog() const;
    int ModalDepth() const { return frames_.Depth(); }
    const std::vector<MessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    int WaitCursorDepth() const { return waitCursorDepth_; }
    int PaintPumps() const { return paintPumps_; }
    // True inside PumpPaint: a handler's exchange is running and the user cannot act.
    bool PaintingDuringExchange() const { return pumping_; }

private:
    struct NativeFrame {
        QEventLoop* loop = nullptr;                         // Dialog frames
        QPointer<QWidget> window;                           // message box or file dialog
        const MessageBoxRequest* messageBox = nullptr;      // MessageBox frames
        const FileDialogRequest* fileDialog = nullptr;      // FileDialog frames
    };
    using Frame = ModalStack<NativeFrame>::Frame;

    void AfterInput() override;
    void ActivateInnermost();
    bool& Mirroring() override { return mirroring_; }
    QtDialogWindow* OwnerWindow(Dialog* owner) const;
    QtDialogWindow* NewestTopLevel() const;

    QIcon icon_;
    QElapsedTimer clock_;
    QtTimerSet timers_;
    QtSocketWatch sockets_;
    std::map<const Dialog*, QPointer<QtDialogWindow>> windows_;
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
